#include "line_remote/wire_pacer.h"

#include <cmath>

namespace qvz::tools {

WirePacer::WirePacer(double nBytesPerSecond) : nRate(nBytesPerSecond) {}

void WirePacer::Resume(std::int64_t nNowNs) {
  nResumedNs = nNowNs;
  nSinceResume = 0;
}

std::int64_t WirePacer::WireNs(std::size_t nCount) const {
  if (nRate <= 0) return 0;
  // From the resume point, not added up byte by byte: a byte time is not a
  // whole number of nanoseconds, and rounding each would drift.
  return static_cast<std::int64_t>(std::llround(static_cast<double>(nCount) * 1e9 / nRate));
}

std::int64_t WirePacer::NextDue() const { return nResumedNs + WireNs(nSinceResume + 1); }

std::size_t WirePacer::DueBy(std::int64_t nNowNs, std::size_t nLeft) const {
  if (nRate <= 0) return nLeft;
  if (nNowNs < NextDue()) return 0;
  const double nOnWire = static_cast<double>(nNowNs - nResumedNs) * nRate / 1e9;
  std::size_t nDue = static_cast<std::size_t>(nOnWire);
  nDue = nDue > nSinceResume ? nDue - nSinceResume : 0;
  if (nDue == 0) nDue = 1;  // NextDue() has come, whatever the rounding says
  return nDue < nLeft ? nDue : nLeft;
}

}  // namespace qvz::tools
