#pragma once
// The run time's date-and-time value: a day of the calendar and a time of
// that day to the millisecond, or the empty timestamp.

#include <compare>

#include "runtime/date.h"

namespace qvz::runtime {

class Timestamp {
 public:
  Timestamp() = default;  // the empty timestamp

  // That moment; the empty timestamp for the empty date or for a time
  // outside 00:00:00.000 to 23:59:59.999.
  static Timestamp FromDateTime(const Date& dDate, int nHour, int nMinute, int nSecond, int nMilliSecond = 0);

  bool IsEmpty() const { return dDay.IsEmpty(); }
  // The day; the empty date for the empty timestamp.
  const Date& DatePart() const { return dDay; }
  // Milliseconds since midnight; 0 for the empty timestamp.
  int MilliSecondsOfDay() const { return nMilliSeconds; }

  // The empty timestamp sorts before every moment.
  friend auto operator<=>(const Timestamp&, const Timestamp&) = default;

 private:
  Timestamp(const Date& dDate, int nMilliSecondsOfDay) : dDay(dDate), nMilliSeconds(nMilliSecondsOfDay) {}

  Date dDay;
  int nMilliSeconds = 0;
};

}  // namespace qvz::runtime
