#include "util/digits.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

TEST(DigitsTest, EveryByteMustBeADigit) {
  struct Case {
    std::string cText;
    bool lDigits;
  } aCases[] = {
      {"0123456789", true},
      {"", true},
      {"7", true},
      {" 12", false},
      {"12 ", false},
      {"-12", false},
      {"1.5", false},
      {"12a", false},
      {"\xB2", false},  // superscript two
      {std::string("1\0" "2", 3), false},
  };
  for (const auto& c : aCases) EXPECT_EQ(ISNUMBER(c.cText), c.lDigits) << '"' << c.cText << '"';
}

}  // namespace
}  // namespace qvz::util
