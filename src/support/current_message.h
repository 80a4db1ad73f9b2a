#pragma once
// The text of the plain wait pop-up that is open. GUI thread only.

#include <optional>
#include <string>

namespace qvz::support {

// The text of the current plain pop-up; none while no plain pop-up is open.
std::optional<std::string> CURMSG();

// Set by the pop-up alone, when it opens and when it closes.
void SetCurMsg(std::optional<std::string> cMsg);

}  // namespace qvz::support
