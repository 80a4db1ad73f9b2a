#include "util/easter.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

using runtime::Date;

TEST(EasterTest, EasterSundayAcrossTheCenturies) {
  struct Case {
    int nYear;
    Date dEaster;
  } aCases[] = {
      {1583, Date::FromDMY(10, 4, 1583)},  // the first year of the reformed calendar
      {1700, Date::FromDMY(11, 4, 1700)},  {1818, Date::FromDMY(22, 3, 1818)},  // earliest possible
      {1900, Date::FromDMY(15, 4, 1900)},  {1943, Date::FromDMY(25, 4, 1943)},  // latest possible
      {2000, Date::FromDMY(23, 4, 2000)},  {2008, Date::FromDMY(23, 3, 2008)},
      {2018, Date::FromDMY(1, 4, 2018)},   {2019, Date::FromDMY(21, 4, 2019)},
      {2100, Date::FromDMY(28, 3, 2100)},  {2285, Date::FromDMY(22, 3, 2285)},
      {2400, Date::FromDMY(16, 4, 2400)},  {9999, Date::FromDMY(28, 3, 9999)},
  };
  for (const auto& c : aCases) {
    EXPECT_EQ(EASTER(c.nYear), c.dEaster) << c.nYear;
    EXPECT_EQ(EASTER(Date::FromDMY(31, 12, c.nYear)), c.dEaster) << c.nYear;
    EXPECT_EQ(DOW(c.dEaster), 1) << c.nYear;
  }
}

TEST(EasterTest, NoDateOutsideTheCalendar) {
  for (int nYear : {0, -2018, 10000, 12018}) EXPECT_TRUE(EASTER(nYear).IsEmpty()) << nYear;
  EXPECT_TRUE(EASTER(Date()).IsEmpty());
}

}  // namespace
}  // namespace qvz::util
