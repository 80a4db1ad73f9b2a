#include "util/iban.h"

#include <algorithm>
#include <string_view>

#include "util/blanks.h"
#include "util/characters.h"

namespace qvz::util {
namespace {

constexpr std::size_t kIbanLength = 27;

bool IsUpperLetterOrDigit(char c) { return IsUpperLetter(c) || IsDigit(c); }

// A country of two letters, two check digits, then letters and digits. Only
// A to Z have a value (10 to 35) in the check; any other byte would put a
// meaningless number into it, so it is refused here instead.
bool HasIbanForm(std::string_view cIban) {
  return IsUpperLetter(cIban[0]) && IsUpperLetter(cIban[1]) && IsDigit(cIban[2]) &&
         IsDigit(cIban[3]) && std::ranges::all_of(cIban.substr(4), IsUpperLetterOrDigit);
}

// The remainder mod 97 of the digit string in which each letter stands for
// its two-digit value, taken one character at a time so it never overflows.
int Mod97(std::string_view cText) {
  int nRemainder = 0;
  for (char c : cText) {
    nRemainder = IsDigit(c) ? (nRemainder * 10 + (c - '0')) % 97
                            : (nRemainder * 100 + (c - 'A' + 10)) % 97;
  }
  return nRemainder;
}

}  // namespace

bool ISIBAN(const std::string& cIban) {
  // The surrounding blanks are dropped before the rearrangement as well as
  // for the length: a number padded in its field is still the same number.
  std::string_view cCode = WithoutBlanksAtBothEnds(cIban);
  if (cCode.size() != kIbanLength || !HasIbanForm(cCode)) return false;
  std::string cRearranged = std::string(cCode.substr(4)) + std::string(cCode.substr(0, 4));
  return Mod97(cRearranged) == 1;
}

}  // namespace qvz::util
