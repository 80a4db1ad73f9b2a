#include "runtime/timestamp.h"

#include <gtest/gtest.h>

namespace qvz::runtime {
namespace {

TEST(TimestampTest, MomentsOfADayAndTheEmptyTimestamp) {
  const Date dDay = Date::FromDMY(15, 8, 2019);
  struct Case {
    Date dDate;
    int nHour, nMinute, nSecond, nMilliSecond;
    int nMilliSecondsOfDay;  // -1: no such moment
  } aCases[] = {
      {dDay, 0, 0, 0, 0, 0},          {dDay, 23, 59, 59, 999, 86'399'999},
      {dDay, 12, 30, 15, 250, 45'015'250},
      {dDay, 24, 0, 0, 0, -1},        {dDay, 12, 60, 0, 0, -1},
      {dDay, 12, 0, 60, 0, -1},       {dDay, 12, 0, 0, 1000, -1},
      {dDay, -1, 0, 0, 0, -1},        {dDay, 0, 0, 0, -1, -1},
      {Date(), 12, 0, 0, 0, -1},
  };
  for (const auto& c : aCases) {
    const Timestamp tStamp = Timestamp::FromDateTime(c.dDate, c.nHour, c.nMinute, c.nSecond, c.nMilliSecond);
    SCOPED_TRACE(testing::Message() << c.nHour << ":" << c.nMinute << ":" << c.nSecond << "." << c.nMilliSecond);
    EXPECT_EQ(tStamp.IsEmpty(), c.nMilliSecondsOfDay < 0);
    EXPECT_EQ(tStamp.DatePart(), c.nMilliSecondsOfDay < 0 ? Date() : dDay);
    EXPECT_EQ(tStamp.MilliSecondsOfDay(), c.nMilliSecondsOfDay < 0 ? 0 : c.nMilliSecondsOfDay);
  }
}

TEST(TimestampTest, OrderFollowsDayThenTime) {
  const Date dDay = Date::FromDMY(31, 12, 2019);
  EXPECT_LT(Timestamp::FromDateTime(dDay, 9, 0, 0), Timestamp::FromDateTime(dDay, 9, 0, 0, 1));
  EXPECT_LT(Timestamp::FromDateTime(dDay, 23, 59, 59, 999), Timestamp::FromDateTime(dDay + 1, 0, 0, 0));
  EXPECT_LT(Timestamp(), Timestamp::FromDateTime(Date::FromDMY(1, 1, 1), 0, 0, 0));
}

}  // namespace
}  // namespace qvz::runtime
