#include "util/leap_year.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

using runtime::Date;

TEST(LeapYearTest, EveryFourthYearSaveUnevenCenturies) {
  struct Case {
    int nYear;
    bool lLeap;
  } aCases[] = {
      {1900, false}, {2000, true}, {2024, true},  {2023, false}, {2100, false},
      {2400, true},  {1600, true}, {4, true},     {1, false},    {9999, false},
  };
  for (const auto& c : aCases) {
    EXPECT_EQ(ISLEAP(c.nYear), c.lLeap) << c.nYear;
    EXPECT_EQ(ISLEAP(Date::FromDMY(1, 7, c.nYear)), c.lLeap) << c.nYear;
  }
  EXPECT_FALSE(ISLEAP(Date()));
}

}  // namespace
}  // namespace qvz::util
