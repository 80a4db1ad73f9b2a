#pragma once
// The QVZ image file: track data only, 4608 bytes a track. A buffer of more
// than 40 tracks holds the 80 tracks of side 1 and then the 80 of side 2; the
// file interleaves them track by track.

#include <cstddef>
#include <string>
#include <vector>

#include "protocol/track.h"

namespace qvz::protocol {

constexpr std::size_t kTracksPerSide = 80;
constexpr std::size_t kOneSideLimit = 40 * kTrackBytes;           // 184320
constexpr std::size_t kSideBytes = kTracksPerSide * kTrackBytes;  // 368640
constexpr std::size_t kImageBytes = 2 * kSideBytes;               // 737280

// A run of the file's bytes that lay together in the buffer as received.
struct ImagePiece {
  std::size_t nBufferStart = 0;
  std::size_t nBytes = 0;
};

// The pieces of the file for a buffer of nBufferBytes, in file order: the
// whole buffer up to 184320 bytes, else side 1 track t and then side 2
// track t for t = 1 to 80, each piece cut from the buffer by position alone
// (a piece past the buffer's end is left out, one that runs past it is cut
// there). Bytes past 737280 belong to no piece.
std::vector<ImagePiece> LayOutPieces(std::size_t nBufferBytes);

// The file's bytes for the buffer as received.
std::string LayOutImage(const std::string& cImage);

}  // namespace qvz::protocol
