#include "line_remote/turnaround_summary.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace qvz::tools {

TurnaroundSummary Summarize(std::vector<double> aValues) {
  TurnaroundSummary o;
  if (aValues.empty()) return o;
  std::sort(aValues.begin(), aValues.end());
  const std::size_t n = aValues.size();
  o.nMedian = n % 2 ? aValues[n / 2] : (aValues[n / 2 - 1] + aValues[n / 2]) / 2;
  o.nMean = std::accumulate(aValues.begin(), aValues.end(), 0.0) / static_cast<double>(n);
  // Nearest rank: the value at rank ceil(0.9 n), counting from 1.
  const auto nRank = static_cast<std::size_t>(std::ceil(0.9 * static_cast<double>(n)));
  o.nP90 = aValues[std::max<std::size_t>(nRank, 1) - 1];
  o.nMax = aValues.back();
  return o;
}

}  // namespace qvz::tools
