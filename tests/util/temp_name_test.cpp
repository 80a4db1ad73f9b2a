#include "util/temp_name.h"

#include <gtest/gtest.h>

#include <regex>

namespace qvz::util {
namespace {

TEST(GetNewFNameTest, NamesTheDateAndHundredthsAndNeverRepeats) {
  const std::string cFirst = GETNEWFNAME();
  const std::string cSecond = GETNEWFNAME();
  EXPECT_NE(cFirst, cSecond);
  for (const std::string& cName : {cFirst, cSecond}) {
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(cName, parts, std::regex("\x7F(\\d{4})(\\d{2})(\\d{2})([1-9]\\d{0,6}|0)")))
        << cName;
    EXPECT_GE(std::stoi(parts[2]), 1);
    EXPECT_LE(std::stoi(parts[2]), 12);
    EXPECT_GE(std::stoi(parts[3]), 1);
    EXPECT_LE(std::stoi(parts[3]), 31);
    EXPECT_LE(std::stol(parts[4]), 8640000);
  }
}

}  // namespace
}  // namespace qvz::util
