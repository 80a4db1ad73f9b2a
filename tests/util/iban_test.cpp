#include "util/iban.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

TEST(IbanTest, PublishedExamplesOfTwentySevenCharacters) {
  for (const char* cIban : {
           "IT60X0542811101000000123456",  // Italy
           "FR1420041010050500013M02606",  // France, a letter inside the account
           "SM86U0322509800000000270100",  // San Marino
           "MC5811222000010123456789030",  // Monaco
           // Check digits worked out here: Z0306909606100000063547 IT00 reads
           // 350306909606100000063547182900, which is 39 mod 97; 98 - 39 = 59.
           "IT59Z0306909606100000063547",
       }) {
    EXPECT_TRUE(ISIBAN(cIban)) << cIban;
  }
}

TEST(IbanTest, MistypedNumbersFail) {
  for (const char* cIban : {
           "IT60X0542811101000000123457",  // last digit changed
           "IT61X0542811101000000123456",  // check digit changed
           "IT60X0542811101000000123465",  // last two digits swapped
           "IT60Y0542811101000000123456",  // a letter changed
           "FR1420041010050500013M02607",
       }) {
    EXPECT_FALSE(ISIBAN(cIban)) << cIban;
  }
}

TEST(IbanTest, OtherLengthsFail) {
  for (const char* cIban : {
           "",
           "IT60X054281110100000012345",    // 26
           "IT60X05428111010000001234560",  // 28
           "DE89370400440532013000",        // a valid 22-character number
           "IT60 X054 2811 1010 0000 0123 456",
       }) {
    EXPECT_FALSE(ISIBAN(cIban)) << cIban;
  }
}

TEST(IbanTest, BlanksAroundTheNumberAreIgnored) {
  EXPECT_TRUE(ISIBAN("  IT60X0542811101000000123456"));
  EXPECT_TRUE(ISIBAN("IT60X0542811101000000123456   "));
  EXPECT_TRUE(ISIBAN(" IT60X0542811101000000123456 "));
  EXPECT_FALSE(ISIBAN("IT60X05428111 1000000123456"));
}

TEST(IbanTest, OnlyDigitsAndUpperCaseLettersCount) {
  EXPECT_FALSE(ISIBAN("it60x0542811101000000123456"));
  EXPECT_FALSE(ISIBAN("IT60X054281110100000012345!"));
  // The next two come out at 1 mod 97 when every byte other than a digit is
  // read as its code minus 55: here i, t and x count 50, 61 and 65.
  EXPECT_FALSE(ISIBAN("it95x0542811101000000123456"));
  // 99 is no country.
  EXPECT_FALSE(ISIBAN("9933X0542811101000000123456"));
}

}  // namespace
}  // namespace qvz::util
