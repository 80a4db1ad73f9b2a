#include "util/holidays.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

using runtime::Date;

TEST(HolidaysTest, PublicHolidaysOnWorkingDays) {
  struct Case {
    Date dDate;
    bool lHoliday;
  } aCases[] = {
      // Every holiday once on a day from Monday to Friday.
      {Date::FromDMY(1, 1, 2018), true},    {Date::FromDMY(6, 1, 2023), true},
      {Date::FromDMY(10, 4, 2023), true},   // Easter Monday
      {Date::FromDMY(25, 4, 2023), true},   {Date::FromDMY(1, 5, 2023), true},
      {Date::FromDMY(2, 6, 2023), true},    {Date::FromDMY(15, 8, 2023), true},
      {Date::FromDMY(1, 11, 2023), true},   {Date::FromDMY(8, 12, 2023), true},
      {Date::FromDMY(25, 12, 2023), true},  {Date::FromDMY(26, 12, 2023), true},
      {Date::FromDMY(2, 4, 2018), true},    // Easter Monday
      // Working days next to them.
      {Date::FromDMY(2, 1, 2023), false},   {Date::FromDMY(5, 1, 2023), false},
      {Date::FromDMY(11, 4, 2023), false},  {Date::FromDMY(24, 4, 2023), false},
      {Date::FromDMY(2, 5, 2023), false},   {Date::FromDMY(14, 8, 2023), false},
      {Date::FromDMY(7, 12, 2023), false},  {Date::FromDMY(27, 12, 2023), false},
      {Date::FromDMY(3, 4, 2018), false},
      {Date::FromDMY(1, 4, 2019), false},   // a Monday, but Easter Monday falls on 22 April
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(testing::Message() << DAY(c.dDate) << "/" << MONTH(c.dDate) << "/" << YEAR(c.dDate));
    EXPECT_EQ(ISFEST(c.dDate), c.lHoliday);
    EXPECT_EQ(ISFEST(c.dDate, false), c.lHoliday);
  }
}

TEST(HolidaysTest, WeekendsAndTheEmptyDate) {
  struct Case {
    Date dDate;
    bool lWithSaturday, lWithoutSaturday;
  } aCases[] = {
      {Date::FromDMY(7, 4, 2018), true, false},   // Saturday
      {Date::FromDMY(8, 4, 2018), true, true},    // Sunday
      {Date::FromDMY(1, 4, 2018), true, true},    // Easter Sunday
      {Date::FromDMY(6, 1, 2018), true, true},    // a holiday on a Saturday
      {Date(), false, false},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(testing::Message() << DAY(c.dDate) << "/" << MONTH(c.dDate) << "/" << YEAR(c.dDate));
    EXPECT_EQ(ISFEST(c.dDate), c.lWithSaturday);
    EXPECT_EQ(ISFEST(c.dDate, true), c.lWithSaturday);
    EXPECT_EQ(ISFEST(c.dDate, false), c.lWithoutSaturday);
  }
}

}  // namespace
}  // namespace qvz::util
