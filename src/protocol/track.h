#pragma once
// A track as the remote machine sends it: 18 sectors of 256 bytes, announced
// by a header whose sector number is the one after the track's last sector.

#include <cstddef>

namespace qvz::protocol {

constexpr std::size_t kSectorBytes = 256;
constexpr int kSectorsPerTrack = 18;
constexpr std::size_t kTrackBytes = kSectorsPerTrack * kSectorBytes;  // 4608

}  // namespace qvz::protocol
