#pragma once
// The progress line of the disk that is arriving: its track, its bytes, its
// rate against the line's 5760 bytes a second, and the time since its first
// track began.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace qvz::receive {

class ProgressLine {
 public:
  // The line's text at nNowMs for an image of nImageBytes, lInTrack while a
  // track's bytes are awaited; nullopt before the disk's first track and
  // while the text need not change (a new track shows at once, the figures
  // at most four times a second).
  std::optional<std::string> Text(std::size_t nImageBytes, bool lInTrack, std::int64_t nNowMs);

  // The next disk starts from nothing.
  void Reset() { *this = ProgressLine(); }

 private:
  std::optional<std::int64_t> nStartMs;
  std::optional<std::int64_t> nShownMs;
  std::size_t nShownTrack = 0;
};

}  // namespace qvz::receive
