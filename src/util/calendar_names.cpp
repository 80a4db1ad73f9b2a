#include "util/calendar_names.h"

#include <array>

namespace qvz::util {
namespace {

// By day of the week, 1 Sunday to 7 Saturday.
constexpr std::array<const char*, 7> kWeekdayNames = {
    "Domenica", "Luned\xEC", "Marted\xEC", "Mercoled\xEC", "Gioved\xEC", "Venerd\xEC", "Sabato",
};

constexpr std::array<const char*, 12> kMonthNames = {
    "Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
    "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre",
};

}  // namespace

std::string CDAY(const runtime::Date& dDate) {
  const int nDow = runtime::DOW(dDate);
  return nDow == 0 ? "" : kWeekdayNames[nDow - 1];
}

std::string CMNT(const runtime::Date& dDate) { return *CMNT(runtime::MONTH(dDate)); }

std::optional<std::string> CMNT(int nMonth) {
  if (nMonth < 0 || nMonth > 12) return std::nullopt;
  return nMonth == 0 ? "" : kMonthNames[nMonth - 1];
}

}  // namespace qvz::util
