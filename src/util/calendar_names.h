#pragma once
// Italian names of the weekdays and months, in Windows-1252.

#include <optional>
#include <string>

#include "runtime/date.h"

namespace qvz::util {

// The name of the date's weekday, "Domenica" to "Sabato"; "" for the empty
// date.
std::string CDAY(const runtime::Date& dDate);

// The name of the date's month, "Gennaio" to "Dicembre"; "" for the empty
// date.
std::string CMNT(const runtime::Date& dDate);
// The name of month 1 to 12; "" for 0; none for any other number.
std::optional<std::string> CMNT(int nMonth);

}  // namespace qvz::util
