#include "runtime/clock.h"

#include <windows.h>

namespace qvz::runtime {

// The performance counter, not the tick count: the tick count moves in steps
// of about 16 ms, and the waits need whole milliseconds.
std::int64_t MilliSeconds() {
  static const std::int64_t nFrequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<std::int64_t>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<std::int64_t>(now.QuadPart / nFrequency * 1000 +
                                   now.QuadPart % nFrequency * 1000 / nFrequency);
}

}  // namespace qvz::runtime
