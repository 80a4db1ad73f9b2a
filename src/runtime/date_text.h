#pragma once
// Dates as text, in the order and widths of the DATE FORMAT setting; a
// year of one or two digits is read within the hundred years from EPOCH.

#include <string>

#include "runtime/date.h"

namespace qvz::runtime {

// The date in the DATE FORMAT: each run of d, m or y becomes the day, month
// or year as that many digits (a two-letter year shows its last two);
// the empty date shows blanks in their place.
std::string DTOC(const Date& dDate);

// The date a text names: its first three groups of digits, in the order
// the DATE FORMAT gives day, month and year. The empty date when the text
// holds fewer groups or names no day of the calendar.
Date CTOD(const std::string& cText);

}  // namespace qvz::runtime
