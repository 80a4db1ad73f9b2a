#pragma once
// Names for the support library's temporary files and directories, which
// the start-up procedure recognises by their first byte, 0x7F.

#include <string>

namespace qvz::util {

// 0x7F, today's date as eight digits year-month-day, then the hundredths
// of a second since midnight in decimal. Returns only once the clock has
// moved on to the next hundredth, so successive calls give different names.
std::string GETNEWFNAME();

}  // namespace qvz::util
