#include "runtime/timestamp.h"

namespace qvz::runtime {

Timestamp Timestamp::FromDateTime(const Date& dDate, int nHour, int nMinute, int nSecond, int nMilliSecond) {
  const bool lTimeOfDay = nHour >= 0 && nHour <= 23 && nMinute >= 0 && nMinute <= 59 && nSecond >= 0 &&
                          nSecond <= 59 && nMilliSecond >= 0 && nMilliSecond <= 999;
  if (dDate.IsEmpty() || !lTimeOfDay) return Timestamp();
  return Timestamp(dDate, ((nHour * 60 + nMinute) * 60 + nSecond) * 1000 + nMilliSecond);
}

}  // namespace qvz::runtime
