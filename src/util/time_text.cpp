#include "util/time_text.h"

#include <optional>

#include "util/characters.h"

namespace qvz::util {
namespace {

constexpr std::size_t kHoursAt = 0, kMinutesAt = 3, kSecondsAt = 6;

// The number the two characters at nAt begin with: one digit or two.
// A field must begin with a digit: read as a plain number, one with no
// digit (letters, a sign, a point, or a text that ends before it) would
// count as 0 or less and pass, making "ab:cd:ef", "-1:00:00" and "12:30"
// times of day.
std::optional<int> FieldValue(const std::string& cTime, std::size_t nAt) {
  if (nAt >= cTime.size() || !IsDigit(cTime[nAt])) return std::nullopt;
  int nValue = cTime[nAt] - '0';
  if (nAt + 1 < cTime.size() && IsDigit(cTime[nAt + 1])) nValue = nValue * 10 + (cTime[nAt + 1] - '0');
  return nValue;
}

}  // namespace

bool ISTIME(const std::string& cTime) {
  if (cTime.find(' ') != std::string::npos) return false;
  const auto nHours = FieldValue(cTime, kHoursAt);
  const auto nMinutes = FieldValue(cTime, kMinutesAt);
  const auto nSeconds = FieldValue(cTime, kSecondsAt);
  return nHours && nMinutes && nSeconds && *nHours <= 23 && *nMinutes <= 59 && *nSeconds <= 59;
}

}  // namespace qvz::util
