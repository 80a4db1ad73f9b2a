#pragma once
// Plain digit strings.

#include <string>

namespace qvz::util {

// True when every byte is a digit "0" to "9", and for "" (no byte fails).
// A blank, sign or decimal point makes it false.
bool ISNUMBER(const std::string& cNum);

}  // namespace qvz::util
