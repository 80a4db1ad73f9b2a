#include "util/month_days.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

using runtime::Date;

TEST(MonthDaysTest, DaysPerMonth) {
  struct Case {
    Date dDate;
    int nDays;
  } aCases[] = {
      {Date::FromDMY(15, 1, 2023), 31},  {Date::FromDMY(15, 2, 2023), 28},  {Date::FromDMY(15, 3, 2023), 31},
      {Date::FromDMY(15, 4, 2023), 30},  {Date::FromDMY(15, 5, 2023), 31},  {Date::FromDMY(15, 6, 2023), 30},
      {Date::FromDMY(15, 7, 2023), 31},  {Date::FromDMY(15, 8, 2023), 31},  {Date::FromDMY(15, 9, 2023), 30},
      {Date::FromDMY(15, 10, 2023), 31}, {Date::FromDMY(15, 11, 2023), 30}, {Date::FromDMY(15, 12, 2023), 31},
      {Date::FromDMY(1, 2, 2000), 29},   {Date::FromDMY(15, 2, 2000), 29},  {Date::FromDMY(29, 2, 2000), 29},
      {Date::FromDMY(1, 2, 1900), 28},   {Date::FromDMY(10, 2, 2024), 29},  {Date(), 0},
  };
  for (const auto& c : aCases)
    EXPECT_EQ(MDAYS(c.dDate), c.nDays) << DAY(c.dDate) << "/" << MONTH(c.dDate) << "/" << YEAR(c.dDate);
}

}  // namespace
}  // namespace qvz::util
