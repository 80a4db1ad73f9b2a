#pragma once
// Italian VAT numbers (partita IVA): ten digits and a check digit.

#include <string>

namespace qvz::util {

// True when cPiva, trailing blanks aside, is exactly 11 digits, not all of
// them zero, and its last digit is the check digit of the first ten. Any
// other byte among the eleven, a leading blank included, makes it false.
bool ISIVA(const std::string& cPiva);

}  // namespace qvz::util
