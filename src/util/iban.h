#pragma once
// Bank account numbers in IBAN form, of the 27-character length of Italian
// accounts.

#include <string>

namespace qvz::util {

// True when cIban, blanks at both ends aside, is 27 characters long, made of
// two upper-case letters (the country), two digits and 23 upper-case letters
// or digits, and its check digits are right (mod 97 of the rearranged number
// is 1). Lower-case letters and inner blanks (the printed groups of four)
// make it false.
bool ISIBAN(const std::string& cIban);

}  // namespace qvz::util
