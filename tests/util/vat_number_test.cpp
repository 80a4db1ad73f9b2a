#include "util/vat_number.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

// Check digits: 1234567890 sums to 1+3+5+7+9 for the odd places and
// 4+8+(1+2)+(1+6)+0 for the even ones, 47 in all, so its check digit is 3.
TEST(VatNumberTest, RightCheckDigitPasses) {
  for (const char* cPiva : {"12345678903", "01234567897", "10000000009", "12345678903   "}) {
    EXPECT_TRUE(ISIVA(cPiva)) << '"' << cPiva << '"';
  }
}

TEST(VatNumberTest, WrongDigitsOrLengthFail) {
  for (const char* cPiva : {
           "12345678904",   // check digit off by one
           "21345678903",   // first two swapped
           "1234567890",    // ten digits
           "123456789034",  // twelve digits
           " 12345678903",  // the leading blank counts
           "",
       }) {
    EXPECT_FALSE(ISIVA(cPiva)) << '"' << cPiva << '"';
  }
}

// Eleven zeros have a right check digit but are no one's number.
TEST(VatNumberTest, ElevenZerosFail) {
  EXPECT_FALSE(ISIVA("00000000000"));
  EXPECT_FALSE(ISIVA("00000000000  "));
}

// Read by its code minus that of "0", "A" counts 17 and a blank -16, which
// gives each text below a right check digit; only digits may stand there.
TEST(VatNumberTest, AnyOtherCharacterFails) {
  EXPECT_FALSE(ISIVA("A0000000003"));
  EXPECT_FALSE(ISIVA("1234 678904"));
}

}  // namespace
}  // namespace qvz::util
