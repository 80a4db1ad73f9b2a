#include "util/digits.h"

#include <algorithm>

#include "util/characters.h"

namespace qvz::util {

bool ISNUMBER(const std::string& cNum) { return std::ranges::all_of(cNum, IsDigit); }

}  // namespace qvz::util
