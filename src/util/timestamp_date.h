#pragma once
// The day of a timestamp.

#include "runtime/date.h"
#include "runtime/timestamp.h"

namespace qvz::util {

// The date part of the timestamp; the empty date for the empty timestamp.
runtime::Date TTOD(const runtime::Timestamp& tStamp);

}  // namespace qvz::util
