#include "util/temp_name.h"

#include <windows.h>

#include <cstdio>

namespace qvz::util {
namespace {

// Date and time come from one reading of the clock, so that a name made
// at midnight cannot join one day's date to the next day's time.
std::string NameOfNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const long long nMilliSeconds =
      ((now.wHour * 60LL + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
  char aName[32];
  std::snprintf(aName, sizeof aName, "\x7F%04u%02u%02u%lld", now.wYear, now.wMonth, now.wDay,
                (nMilliSeconds + 5) / 10);
  return aName;
}

}  // namespace

std::string GETNEWFNAME() {
  const std::string cName = NameOfNow();
  // Sleep(1) lets other threads have the processor while the clock moves on.
  while (NameOfNow() == cName) Sleep(1);
  return cName;
}

}  // namespace qvz::util
