#include "util/vat_number.h"

#include <algorithm>
#include <string_view>

#include "util/blanks.h"
#include "util/characters.h"

namespace qvz::util {
namespace {

constexpr std::size_t kVatNumberLength = 11;

// Digits in odd places count as they are, those in even places by the digit
// sum of their double; the check digit brings the total to a multiple of 10.
int CheckDigitOf(std::string_view cFirstTen) {
  int nSum = 0;
  for (std::size_t i = 0; i < cFirstTen.size(); ++i) {
    int nDigit = cFirstTen[i] - '0';
    nSum += (i % 2 == 0) ? nDigit : (2 * nDigit) / 10 + (2 * nDigit) % 10;
  }
  return (10 - nSum % 10) % 10;
}

}  // namespace

bool ISIVA(const std::string& cPiva) {
  std::string_view cNumber = WithoutTrailingBlanks(cPiva);
  if (cNumber.size() != kVatNumberLength || !std::ranges::all_of(cNumber, IsDigit)) return false;
  // Eleven zeros would pass the check digit, but name no one.
  if (cNumber == "00000000000") return false;
  return CheckDigitOf(cNumber.substr(0, 10)) == cNumber[10] - '0';
}

}  // namespace qvz::util
