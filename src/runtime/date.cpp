#include "runtime/date.h"

namespace qvz::runtime {

namespace chrono = std::chrono;

namespace {

chrono::year_month_day Civil(chrono::sys_days dDay) { return chrono::year_month_day(dDay); }

}  // namespace

Date Date::FromDMY(int nDay, int nMonth, int nYear) {
  if (nDay < 1 || nDay > 31 || nMonth < 1 || nMonth > 12) return Date();
  const chrono::year_month_day ymd{chrono::year(nYear), chrono::month(static_cast<unsigned>(nMonth)),
                                   chrono::day(static_cast<unsigned>(nDay))};
  if (!ymd.ok()) return Date();
  return InRange(chrono::sys_days(ymd));
}

Date Date::InRange(chrono::sys_days dValue) {
  const int nYear = static_cast<int>(Civil(dValue).year());
  if (nYear < 1 || nYear > 9999) return Date();
  return Date(dValue);
}

Date Date::operator+(long long nDays) const {
  if (IsEmpty()) return Date();
  // Beyond about 3.65 million days every result is outside the calendar.
  if (nDays > 4'000'000 || nDays < -4'000'000) return Date();
  return InRange(*dDay + chrono::days(nDays));
}

int DAY(const Date& dDate) {
  return dDate.IsEmpty() ? 0 : static_cast<int>(static_cast<unsigned>(Civil(*dDate.dDay).day()));
}

int MONTH(const Date& dDate) {
  return dDate.IsEmpty() ? 0 : static_cast<int>(static_cast<unsigned>(Civil(*dDate.dDay).month()));
}

int YEAR(const Date& dDate) { return dDate.IsEmpty() ? 0 : static_cast<int>(Civil(*dDate.dDay).year()); }

int DOW(const Date& dDate) {
  return dDate.IsEmpty() ? 0 : static_cast<int>(chrono::weekday(*dDate.dDay).c_encoding()) + 1;
}

}  // namespace qvz::runtime
