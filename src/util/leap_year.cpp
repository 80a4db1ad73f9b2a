#include "util/leap_year.h"

namespace qvz::util {

bool ISLEAP(int nYear) { return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0; }

// The empty date has no year; read as year 0, it would count as a leap year.
bool ISLEAP(const runtime::Date& dDate) { return !dDate.IsEmpty() && ISLEAP(runtime::YEAR(dDate)); }

}  // namespace qvz::util
