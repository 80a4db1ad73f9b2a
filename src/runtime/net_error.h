#pragma once
// The network-error flag: set when a shared table could not be opened or
// locked, read by the caller after the table operation. GUI thread only.

#include <optional>

namespace qvz::runtime {

// With a value, sets the flag to it; returns the flag.
bool NETERR(std::optional<bool> lNew = std::nullopt);

}  // namespace qvz::runtime
