#pragma once
// The figures of a list of turnarounds.

#include <vector>

namespace qvz::tools {

struct TurnaroundSummary {
  double nMedian = 0;
  double nMean = 0;
  double nP90 = 0;  // the smallest value that at least 90 % of them do not exceed
  double nMax = 0;
};

// All zero for an empty list.
TurnaroundSummary Summarize(std::vector<double> aValues);

}  // namespace qvz::tools
