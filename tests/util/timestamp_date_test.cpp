#include "util/timestamp_date.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

using runtime::Date;
using runtime::Timestamp;

TEST(TimestampDateTest, TheDayOfAMoment) {
  const Date dDay = Date::FromDMY(29, 2, 2024);
  EXPECT_EQ(TTOD(Timestamp::FromDateTime(dDay, 0, 0, 0)), dDay);
  EXPECT_EQ(TTOD(Timestamp::FromDateTime(dDay, 23, 59, 59, 999)), dDay);
  EXPECT_TRUE(TTOD(Timestamp()).IsEmpty());
}

}  // namespace
}  // namespace qvz::util
