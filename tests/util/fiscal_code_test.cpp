#include "util/fiscal_code.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

TEST(FiscalCodeTest, RightCheckLetterPasses) {
  for (const char* cCod : {
           "RSSMRA85T10A562S",
           "BNCLRA70A41F205E",
           "RSSMRA85T10A56NH",  // a digit of the birthplace code replaced by a letter
           "rssmra85t10a562s",
           "RssMra85T10a562s",
           "RSSMRA85T10A562S    ",
       }) {
    EXPECT_TRUE(ISCOD(cCod)) << '"' << cCod << '"';
  }
}

TEST(FiscalCodeTest, WrongCharactersFail) {
  for (const char* cCod : {
           "RSSMRA85T10A562T",   // check letter off by one
           "RSSMRA85T10A5620",   // a digit for the check letter
           "RSSMAR85T10A562S",   // two letters swapped
           "RSSMRA85 10A562S",   // an inner blank
           "RSSMRA85T10A56-S",
           "RSSMRA85T10\xC0" "562S",  // A with a grave accent is not A
       }) {
    EXPECT_FALSE(ISCOD(cCod)) << '"' << cCod << '"';
  }
}

// The twelfth character opens the birthplace code, which is always a letter.
TEST(FiscalCodeTest, TwelfthCharacterMustBeALetter) {
  // B is the right check letter of RSSMRA85T109562.
  EXPECT_FALSE(ISCOD("RSSMRA85T109562B"));
  EXPECT_FALSE(ISCOD("rssmra85t109562b"));
}

TEST(FiscalCodeTest, OtherLengthsAreJudgedAsVatNumbers) {
  EXPECT_TRUE(ISCOD("12345678903"));
  EXPECT_TRUE(ISCOD("12345678903     "));  // 16 bytes with the blanks
  EXPECT_FALSE(ISCOD("12345678904"));
  EXPECT_FALSE(ISCOD("00000000000"));
  EXPECT_FALSE(ISCOD("A0000000003"));
  EXPECT_FALSE(ISCOD("RSSMRA85T10A562"));
  EXPECT_FALSE(ISCOD(""));
}

}  // namespace
}  // namespace qvz::util
