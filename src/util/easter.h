#pragma once
// The date of Easter Sunday in the Gregorian calendar.

#include "runtime/date.h"

namespace qvz::util {

// Easter Sunday of the year 1 to 9999; the empty date for any other year.
runtime::Date EASTER(int nYear);
// Easter Sunday of the date's year; the empty date for the empty date.
runtime::Date EASTER(const runtime::Date& dDate);

}  // namespace qvz::util
