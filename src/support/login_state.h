#pragma once
// Who is logged in, kept by the support library alone. Each SET function
// stores its argument when given one and returns the current value. Without
// a login the user name is eight blanks. GUI thread only.

#include <windows.h>

#include <optional>
#include <string>

#include "runtime/unique_handle.h"

namespace qvz::support {

std::string SETUSER(std::optional<std::string> cUser = std::nullopt);

// The user slot file, held open exclusively while the login lasts: a given
// handle becomes the slot file, closing the one held before. Returns the
// handle held, null when none; it stays owned here.
HANDLE SETHUSER(std::optional<runtime::UniqueHandle> hSlot = std::nullopt);

std::string SETPASSWORD(std::optional<std::string> cPassword = std::nullopt);

// The user's temporary directory, ending in "\"; "" without one.
std::string SETTEMP(std::optional<std::string> cTemp = std::nullopt);

}  // namespace qvz::support
