#pragma once
// The drives of the machine. GUI thread only.

#include <optional>
#include <string>
#include <vector>

namespace qvz::util {

// Drive names ("A:", ...): nKind 1 the removable drives among A: and B:,
// 2 the drives C: to Z: that are CD-ROM drives or can be made current,
// 0 (default) both lists.
std::vector<std::string> ADISK(std::optional<int> nKind = std::nullopt);

}  // namespace qvz::util
