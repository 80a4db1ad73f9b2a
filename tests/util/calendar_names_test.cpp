#include "util/calendar_names.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

using runtime::Date;

TEST(CalendarNamesTest, WeekdayNames) {
  struct Case {
    Date dDate;
    const char* cName;
  } aCases[] = {
      {Date::FromDMY(1, 1, 2023), "Domenica"},     {Date::FromDMY(2, 1, 2023), "Luned\xEC"},
      {Date::FromDMY(3, 1, 2023), "Marted\xEC"},   {Date::FromDMY(4, 1, 2023), "Mercoled\xEC"},
      {Date::FromDMY(5, 1, 2023), "Gioved\xEC"},   {Date::FromDMY(6, 1, 2023), "Venerd\xEC"},
      {Date::FromDMY(7, 1, 2023), "Sabato"},       {Date::FromDMY(2, 4, 2018), "Luned\xEC"},
      {Date(), ""},
  };
  for (const auto& c : aCases) EXPECT_EQ(CDAY(c.dDate), c.cName) << DAY(c.dDate) << "/" << MONTH(c.dDate);
}

TEST(CalendarNamesTest, MonthNamesByNumber) {
  struct Case {
    int nMonth;
    std::optional<std::string> cName;
  } aCases[] = {
      {0, ""},          {1, "Gennaio"},    {2, "Febbraio"},  {3, "Marzo"},       {4, "Aprile"},
      {5, "Maggio"},    {6, "Giugno"},     {7, "Luglio"},    {8, "Agosto"},      {9, "Settembre"},
      {10, "Ottobre"},  {11, "Novembre"},  {12, "Dicembre"}, {13, std::nullopt}, {-1, std::nullopt},
  };
  for (const auto& c : aCases) EXPECT_EQ(CMNT(c.nMonth), c.cName) << c.nMonth;
}

TEST(CalendarNamesTest, MonthNamesOfDates) {
  for (int nMonth = 1; nMonth <= 12; ++nMonth) EXPECT_EQ(CMNT(Date::FromDMY(28, nMonth, 2024)), CMNT(nMonth));
  EXPECT_EQ(CMNT(Date()), "");
}

}  // namespace
}  // namespace qvz::util
