#pragma once
// Lengths of the months.

#include "runtime/date.h"

namespace qvz::util {

// The number of days of the date's month, February counting 29 in a leap
// year; 0 for the empty date.
int MDAYS(const runtime::Date& dDate);

}  // namespace qvz::util
