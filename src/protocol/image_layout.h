#pragma once
// The QVZ image file: track data only, 4608 bytes a track. A buffer of more
// than 40 tracks holds the 80 tracks of side 1 and then the 80 of side 2; the
// file interleaves them track by track.

#include <cstddef>
#include <string>

#include "protocol/track.h"

namespace qvz::protocol {

constexpr std::size_t kOneSideLimit = 40 * kTrackBytes;   // 184320
constexpr std::size_t kSideBytes = 80 * kTrackBytes;      // 368640
constexpr std::size_t kImageBytes = 2 * kSideBytes;       // 737280

// The file's bytes for the buffer as received: unchanged up to 184320 bytes,
// else side 1 track t followed by side 2 track t for t = 1 to 80, each piece
// cut from the buffer by position alone. Bytes past 737280 are not written.
std::string LayOutImage(const std::string& cImage);

}  // namespace qvz::protocol
