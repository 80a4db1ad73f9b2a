#pragma once
// Expanding file-name patterns. GUI thread only.

#include <string>
#include <vector>

namespace qvz::util {

// The names (without path) of the files matching each pattern in turn,
// hidden and read-only files included, directories and system files not.
// The run time's directory listing reads the patterns (FILECASE applies).
std::vector<std::string> WILDEXP(const std::vector<std::string>& aPatterns);

}  // namespace qvz::util
