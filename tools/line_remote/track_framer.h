#pragma once
// The least a receiver must know of the byte stream to answer it: "T" and
// two header bytes ask for the 0x00, then 4608 data bytes follow; "E" ends
// a disk; any other byte between tracks is ignored. For the stand-ins that
// measure a line and a platform, not for the receiver itself.

#include <cstddef>

namespace qvz::tools {

class TrackFramer {
 public:
  enum class Event { kNone, kAnswerHeader, kDiskEnd };

  Event Feed(char c) {
    switch (eState) {
      case State::kCommand:
        if (c == 'T') eState = State::kHeaderLow;
        return c == 'E' ? Event::kDiskEnd : Event::kNone;
      case State::kHeaderLow:
        eState = State::kHeaderHigh;
        return Event::kNone;
      case State::kHeaderHigh:
        eState = State::kData;
        nData = 0;
        return Event::kAnswerHeader;
      case State::kData:
        if (++nData == kTrackBytes) eState = State::kCommand;
        return Event::kNone;
    }
    return Event::kNone;
  }

 private:
  static constexpr std::size_t kTrackBytes = 4608;
  enum class State { kCommand, kHeaderLow, kHeaderHigh, kData };
  State eState = State::kCommand;
  std::size_t nData = 0;
};

}  // namespace qvz::tools
