#include "util/fiscal_code.h"

#include <string_view>

#include "util/blanks.h"
#include "util/characters.h"
#include "util/vat_number.h"

namespace qvz::util {
namespace {

constexpr std::size_t kFiscalCodeLength = 16;
constexpr std::size_t kPlaceLetter = 11;  // the birthplace code's letter, never a digit

// What a character in an odd place adds to the sum, by its value (A and 0
// are 0, B and 1 are 1, ...).
constexpr int kOddPlaceValue[26] = {1,  0,  5,  7,  9,  13, 15, 17, 19, 21, 2,  4,  18,
                                    20, 11, 3,  6,  8,  12, 14, 16, 10, 22, 25, 24, 23};

char ToUpper(char c) {
  return IsLetter(c) && !IsUpperLetter(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool ISCOD(const std::string& cCod) {
  std::string_view cCode = WithoutTrailingBlanks(cCod);
  if (cCode.size() != kFiscalCodeLength) return ISIVA(cCod);
  if (!IsLetter(cCode[kPlaceLetter])) return false;
  int nSum = 0;
  for (std::size_t i = 0; i < kFiscalCodeLength - 1; ++i) {
    char c = ToUpper(cCode[i]);
    if (!IsUpperLetter(c) && !IsDigit(c)) return false;
    int nValue = IsDigit(c) ? c - '0' : c - 'A';
    nSum += (i % 2 == 0) ? kOddPlaceValue[nValue] : nValue;
  }
  return ToUpper(cCode.back()) == 'A' + nSum % 26;
}

}  // namespace qvz::util
