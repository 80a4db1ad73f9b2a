#include "receive/progress_line.h"

#include <algorithm>
#include <cstdio>

#include "protocol/track.h"

namespace qvz::receive {
namespace {

constexpr double kLineBytesPerSecond = 5760;  // 57600 baud, 10 bits a byte
constexpr std::int64_t kRefreshMs = 250;

}  // namespace

std::optional<std::string> ProgressLine::Text(std::size_t nImageBytes, bool lInTrack, std::int64_t nNowMs) {
  if (!nStartMs) {
    if (!lInTrack) return std::nullopt;
    nStartMs = nNowMs;
  }
  const std::size_t nTrack = nImageBytes / protocol::kTrackBytes + (lInTrack ? 1 : 0);
  if (nShownMs && nTrack == nShownTrack && nNowMs - *nShownMs < kRefreshMs) return std::nullopt;
  nShownMs = nNowMs;
  nShownTrack = nTrack;
  const std::int64_t nElapsedMs = std::max<std::int64_t>(nNowMs - *nStartMs, 1);
  const double nRate = static_cast<double>(nImageBytes) * 1000.0 / static_cast<double>(nElapsedMs);
  const std::int64_t nSeconds = nElapsedMs / 1000;
  char a[160];
  std::snprintf(a, sizeof a, "Track %zu, %zu bytes in %lld:%02lld, %.0f B/s: %.2f of the line's %.0f B/s", nTrack,
                nImageBytes, static_cast<long long>(nSeconds / 60), static_cast<long long>(nSeconds % 60), nRate,
                nRate / kLineBytesPerSecond, kLineBytesPerSecond);
  return std::string(a);
}

}  // namespace qvz::receive
