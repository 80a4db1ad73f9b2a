#include "line_remote/turnaround_summary.h"

#include <gtest/gtest.h>

namespace qvz::tools {
namespace {

TEST(TurnaroundSummaryTest, MedianMeanNinetiethPercentileAndMaximum) {
  struct Case {
    std::vector<double> aValues;
    TurnaroundSummary oExpected;
  };
  const Case aCases[] = {
      {{}, {0, 0, 0, 0}},
      {{7}, {7, 7, 7, 7}},
      {{3, 1, 2}, {2, 2, 3, 3}},
      // Ten values: the 90th percentile is the 9th smallest.
      {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, {5.5, 5.5, 9, 10}},
      // Twenty values, one slow: it moves the mean and the maximum only.
      {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 41}, {1, 3.15, 2, 41}},
  };
  for (const Case& c : aCases) {
    const TurnaroundSummary o = Summarize(c.aValues);
    EXPECT_DOUBLE_EQ(o.nMedian, c.oExpected.nMedian);
    EXPECT_DOUBLE_EQ(o.nMean, c.oExpected.nMean);
    EXPECT_DOUBLE_EQ(o.nP90, c.oExpected.nP90);
    EXPECT_DOUBLE_EQ(o.nMax, c.oExpected.nMax);
  }
}

}  // namespace
}  // namespace qvz::tools
