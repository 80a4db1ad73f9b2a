#pragma once
// Times of day typed as text.

#include <string>

namespace qvz::util {

// True when cTime, of the form hh:mm:ss, holds no space and its hours (the
// first two characters), minutes (the fourth and fifth) and seconds (the
// seventh and eighth) are in range. Each field must begin with a digit; a
// second character that is no digit ends it, so "9:05:00" reads 9 hours,
// 5 minutes and 0 seconds. The separators and anything after the seconds
// are not examined.
bool ISTIME(const std::string& cTime);

}  // namespace qvz::util
