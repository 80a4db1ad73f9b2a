#include "runtime/date.h"

#include <gtest/gtest.h>

#include "runtime/date_text.h"
#include "harness/scoped_setting.h"

namespace qvz::runtime {
namespace {

TEST(DateTest, DaysOfTheCalendarAndTheEmptyDate) {
  struct Case {
    int nDay, nMonth, nYear;
    int nDow;  // 0: no such day
  } aCases[] = {
      {1, 1, 2000, 7},   {29, 2, 2000, 3}, {29, 2, 1900, 0}, {31, 4, 2024, 0},
      {2, 4, 2018, 2},   {1, 1, 1, 2},     {31, 12, 9999, 6}, {1, 1, 0, 0},
      {1, 1, 10000, 0},  {0, 1, 2000, 0},  {1, 13, 2000, 0},
  };
  for (const auto& c : aCases) {
    const Date d = Date::FromDMY(c.nDay, c.nMonth, c.nYear);
    SCOPED_TRACE(testing::Message() << c.nDay << "/" << c.nMonth << "/" << c.nYear);
    EXPECT_EQ(d.IsEmpty(), c.nDow == 0);
    EXPECT_EQ(DOW(d), c.nDow);
    EXPECT_EQ(DAY(d), c.nDow ? c.nDay : 0);
    EXPECT_EQ(MONTH(d), c.nDow ? c.nMonth : 0);
    EXPECT_EQ(YEAR(d), c.nDow ? c.nYear : 0);
  }
}

TEST(DateTest, AddingDays) {
  EXPECT_EQ(Date::FromDMY(28, 2, 2000) + 1, Date::FromDMY(29, 2, 2000));
  EXPECT_EQ(Date::FromDMY(28, 2, 1900) + 1, Date::FromDMY(1, 3, 1900));
  EXPECT_EQ(Date::FromDMY(31, 12, 2079) + 366, Date::FromDMY(31, 12, 2080));
  EXPECT_EQ(Date::FromDMY(1, 1, 2000) - 1, Date::FromDMY(31, 12, 1999));
  EXPECT_TRUE((Date() + 1).IsEmpty());
  EXPECT_TRUE((Date::FromDMY(31, 12, 9999) + 1).IsEmpty());
  EXPECT_LT(Date(), Date::FromDMY(1, 1, 1));
}

TEST(DateTest, TextByDateFormatAndEpoch) {
  struct Case {
    const char* cFormat;
    int nEpoch;
    const char* cText;
    Date dDate;
  } aCases[] = {
      {"dd/mm/yyyy", 1980, "01/02/79", Date::FromDMY(1, 2, 2079)},
      {"dd/mm/yyyy", 1980, "01/02/80", Date::FromDMY(1, 2, 1980)},
      {"dd/mm/yyyy", 1980, "01/02/1979", Date::FromDMY(1, 2, 1979)},
      {"dd/mm/yyyy", 1900, "01/02/79", Date::FromDMY(1, 2, 1979)},
      {"dd/mm/yyyy", 1980, "1/2/3", Date::FromDMY(1, 2, 2003)},
      {"dd/mm/yyyy", 1980, "31/04/2024", Date()},
      {"dd/mm/yyyy", 1980, "  /  /    ", Date()},
      {"dd/mm/yyyy", 1980, "01/02", Date()},
      {"mm/dd/yy", 1900, "12/31/99", Date::FromDMY(31, 12, 1999)},
      {"yyyy.mm.dd", 1980, "2024.05.17", Date::FromDMY(17, 5, 2024)},
  };
  for (const auto& c : aCases) {
    ScopedSetting format(SetItem::DateFormat, c.cFormat);
    ScopedSetting epoch(SetItem::Epoch, c.nEpoch);
    EXPECT_EQ(CTOD(c.cText), c.dDate) << c.cFormat << " " << c.nEpoch << " " << c.cText;
  }

  ScopedSetting format(SetItem::DateFormat, "dd/mm/yyyy");
  EXPECT_EQ(DTOC(Date::FromDMY(1, 2, 2079)), "01/02/2079");
  EXPECT_EQ(DTOC(Date()), "  /  /    ");
  SET(SetItem::DateFormat, "mm-dd-yy");
  EXPECT_EQ(DTOC(Date::FromDMY(9, 7, 2005)), "07-09-05");
}

TEST(DateTest, CenturySetsTheWidthOfTheFormatsYear) {
  ScopedSetting format(SetItem::DateFormat, "dd/mm/yy");
  EXPECT_FALSE(SETCENTURY("on"));
  EXPECT_EQ(SET(SetItem::DateFormat).AsText(), "dd/mm/yyyy");
  EXPECT_TRUE(SETCENTURY(false));
  EXPECT_EQ(DTOC(Date::FromDMY(1, 2, 2079)), "01/02/79");
}

TEST(DateTest, LogicalSettingsReadOnAndOff) {
  struct Case {
    Value xGiven;
    bool lAfter;  // starting from true
  } aCases[] = {
      {"OFF", false}, {"off", false}, {"Offline", false}, {"OF", true},  {"ON", true},
      {"", true},     {false, false}, {0, true},          {"NO", true},
  };
  for (const auto& c : aCases) {
    ScopedSetting confirm(SetItem::Confirm, true);
    SET(SetItem::Confirm, c.xGiven);
    EXPECT_EQ(SET(SetItem::Confirm).IsTrue(), c.lAfter) << c.xGiven.AsText();
  }
  ScopedSetting confirm(SetItem::Confirm, false);
  SET(SetItem::Confirm, "on");
  EXPECT_TRUE(SET(SetItem::Confirm).IsTrue());
}

}  // namespace
}  // namespace qvz::runtime
