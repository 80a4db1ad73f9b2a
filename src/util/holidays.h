#pragma once
// Days off in Italy.

#include <optional>

#include "runtime/date.h"

namespace qvz::util {

// True on a national public holiday (1 and 6 January, Easter Monday,
// 25 April, 1 May, 2 June, 15 August, 1 November, 8, 25 and 26 December),
// on a Sunday, and on a Saturday unless lSaturday (default true) is false.
// False for the empty date.
bool ISFEST(const runtime::Date& dDate, std::optional<bool> lSaturday = std::nullopt);

}  // namespace qvz::util
