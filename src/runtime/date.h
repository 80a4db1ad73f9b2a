#pragma once
// The run time's date value: a day of the Gregorian calendar between the
// years 1 and 9999, or the empty date, which has no day.

#include <chrono>
#include <compare>
#include <optional>

namespace qvz::runtime {

class Date {
 public:
  Date() = default;  // the empty date

  // The date of that day; the empty date when there is no such day.
  static Date FromDMY(int nDay, int nMonth, int nYear);

  bool IsEmpty() const { return !dDay.has_value(); }

  // Days later (or earlier, for a negative count); the empty date stays
  // empty, and a day beyond the calendar's range gives the empty date.
  Date operator+(long long nDays) const;
  Date operator-(long long nDays) const { return *this + -nDays; }

  // The empty date sorts before every day.
  friend auto operator<=>(const Date&, const Date&) = default;

 private:
  explicit Date(std::chrono::sys_days dValue) : dDay(dValue) {}
  static Date InRange(std::chrono::sys_days dValue);

  std::optional<std::chrono::sys_days> dDay;

  friend int DAY(const Date&);
  friend int MONTH(const Date&);
  friend int YEAR(const Date&);
  friend int DOW(const Date&);
};

// Day of the month, month and year; 0 for the empty date.
int DAY(const Date& dDate);
int MONTH(const Date& dDate);
int YEAR(const Date& dDate);
// Day of the week, 1 Sunday to 7 Saturday; 0 for the empty date.
int DOW(const Date& dDate);

}  // namespace qvz::runtime
