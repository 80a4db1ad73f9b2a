#pragma once
// One run of qvz-compare: reads the images, prints a line per differing
// sector and a summary on oOut, writes the merged image when asked, and
// returns the exit code. Bad input gives one line on oErr and nothing on
// oOut; a merged image that cannot be written gives its line after the
// comparison's.

#include <ostream>
#include <string>
#include <vector>

namespace qvz::compare {

constexpr int kExitIdentical = 0;
constexpr int kExitDiffer = 1;
constexpr int kExitBadInput = 2;

int RunCompare(const std::vector<std::string>& aArgs, std::ostream& oOut, std::ostream& oErr);

}  // namespace qvz::compare
