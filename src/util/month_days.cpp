#include "util/month_days.h"

#include <array>

#include "util/leap_year.h"

namespace qvz::util {
namespace {

constexpr int kFebruary = 2;
// By month 1 to 12; February as in a common year.
constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

int MDAYS(const runtime::Date& dDate) {
  const int nMonth = runtime::MONTH(dDate);
  if (nMonth == 0) return 0;
  return kDaysInMonth[nMonth - 1] + (nMonth == kFebruary && ISLEAP(dDate) ? 1 : 0);
}

}  // namespace qvz::util
