#include "util/holidays.h"

#include <algorithm>
#include <array>

#include "util/easter.h"

namespace qvz::util {
namespace {

constexpr int kSunday = 1, kSaturday = 7;

struct DayOfMonth {
  int nDay, nMonth;
  friend bool operator==(const DayOfMonth&, const DayOfMonth&) = default;
};

constexpr std::array<DayOfMonth, 10> kFixedHolidays = {{
    {1, 1}, {6, 1}, {25, 4}, {1, 5}, {2, 6}, {15, 8}, {1, 11}, {8, 12}, {25, 12}, {26, 12},
}};

bool IsEasterMonday(const runtime::Date& dDate) { return dDate == EASTER(dDate) + 1; }

}  // namespace

bool ISFEST(const runtime::Date& dDate, std::optional<bool> lSaturday) {
  // The empty date is no day: it would equal the empty Easter Monday of its
  // missing year.
  if (dDate.IsEmpty()) return false;
  const int nDow = runtime::DOW(dDate);
  return std::ranges::find(kFixedHolidays, DayOfMonth{runtime::DAY(dDate), runtime::MONTH(dDate)}) !=
             kFixedHolidays.end() ||
         IsEasterMonday(dDate) || nDow == kSunday || (lSaturday.value_or(true) && nDow == kSaturday);
}

}  // namespace qvz::util
