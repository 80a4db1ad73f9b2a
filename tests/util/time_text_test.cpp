#include "util/time_text.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

TEST(TimeTextTest, TimesOfDay) {
  struct Case {
    std::string cTime;
    bool lTime;
  } aCases[] = {
      {"00:00:00", true},
      {"23:59:59", true},
      {"24:00:00", false},
      {"12:60:00", false},
      {"12:00:60", false},
      {"9:05:00", true},    // hours 9, minutes "5:" read as 5, seconds "0"
      {" 9:05:00", false},  // a space anywhere fails
      {"09:05: 0", false},
      {"12:00:00 ", false},
      {"12.30.45", true},   // the separators are not examined
      {"12:30:45xyz", true},  // nor is anything after the seconds
      // A field that does not begin with a digit fails.
      {"", false},
      {"12:30", false},
      {"12:30:", false},
      {"ab:cd:ef", false},
      {"-1:00:00", false},
      {"+1:00:00", false},
      {".5:00:00", false},
      {"12:x0:00", false},
      {std::string("12:00:\0" "0", 8), false},
  };
  for (const auto& c : aCases) EXPECT_EQ(ISTIME(c.cTime), c.lTime) << '"' << c.cTime << '"';
}

}  // namespace
}  // namespace qvz::util
