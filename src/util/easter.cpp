#include "util/easter.h"

namespace qvz::util {

// The anonymous Gregorian computation (Meeus, Jones and Butcher).
runtime::Date EASTER(int nYear) {
  // The computation runs for any year, but only 1 to 9999 has dates: the
  // empty date is the honest answer outside, where putting the day found
  // into the year of the last four digits would give a day that is not
  // Easter.
  if (nYear < 1 || nYear > 9999) return runtime::Date();
  const int a = nYear % 19, b = nYear / 100, c = nYear % 100;
  const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7, m = (a + 11 * h + 22 * l) / 451;
  const int n = h + l - 7 * m + 114;
  return runtime::Date::FromDMY(n % 31 + 1, n / 31, nYear);
}

runtime::Date EASTER(const runtime::Date& dDate) { return EASTER(runtime::YEAR(dDate)); }

}  // namespace qvz::util
