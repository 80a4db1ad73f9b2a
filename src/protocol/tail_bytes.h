#pragma once
// The last few bytes received, each marked with whether it went into a
// track's data or was read as a command: enough to find a header at their
// end and to take its bytes back out of the track.

#include <array>
#include <cstddef>

namespace qvz::protocol {

class TailBytes {
 public:
  static constexpr std::size_t kKept = 3;  // "T" and two sector-number bytes

  void Push(unsigned char nByte, bool lInTrack) {
    if (nCount == kKept) {
      for (std::size_t i = 1; i < kKept; ++i) aBytes[i - 1] = aBytes[i];
      --nCount;
    }
    aBytes[nCount++] = {nByte, lInTrack};
  }
  void Clear() { nCount = 0; }
  std::size_t Size() const { return nCount; }

  // The byte nBack places from the end (0 is the last one).
  unsigned char Byte(std::size_t nBack) const { return aBytes[nCount - 1 - nBack].nByte; }
  bool InTrack(std::size_t nBack) const { return aBytes[nCount - 1 - nBack].lInTrack; }

 private:
  struct Entry {
    unsigned char nByte = 0;
    bool lInTrack = false;
  };
  std::array<Entry, kKept> aBytes{};
  std::size_t nCount = 0;
};

}  // namespace qvz::protocol
