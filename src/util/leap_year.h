#pragma once
// Leap years of the Gregorian calendar.

#include "runtime/date.h"

namespace qvz::util {

// True for a year divisible by 4 but not by 100, or divisible by 400.
bool ISLEAP(int nYear);
// True when the date's year is a leap year; false for the empty date.
bool ISLEAP(const runtime::Date& dDate);

}  // namespace qvz::util
