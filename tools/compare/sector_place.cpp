#include "compare/sector_place.h"

#include "protocol/image_layout.h"

namespace qvz::compare {
namespace {

using protocol::kSectorBytes;
using protocol::kSectorsPerTrack;
using protocol::kTrackBytes;
using protocol::kTracksPerSide;

// Received track k is side 1 track k + 1 for the first 80, then side 2.
// A remote that numbers its tracks one after another sends 18 (k + 1)
// before track k, which the log shows as sectors 18 k to 18 k + 17.
SectorPlace PlaceOfReceivedByte(std::size_t nOffset) {
  const std::size_t nReceivedTrack = nOffset / kTrackBytes;
  const std::size_t nSector = nOffset % kTrackBytes / kSectorBytes;
  const bool lSideTwo = nReceivedTrack >= kTracksPerSide;
  return {lSideTwo ? 2 : 1, static_cast<int>(nReceivedTrack % kTracksPerSide) + 1, static_cast<int>(nSector),
          static_cast<long>(nReceivedTrack * kSectorsPerTrack + nSector)};
}

}  // namespace

std::vector<SectorPlace> PlaceSectors(std::size_t nFileBytes) {
  std::vector<SectorPlace> aPlaces;
  aPlaces.reserve(nFileBytes / kSectorBytes);
  // The layout keeps the size of every buffer of at most one image, so the
  // file's size is the received buffer's, and its pieces say where each
  // run of the file's bytes was received.
  for (const protocol::ImagePiece& oPiece : protocol::LayOutPieces(nFileBytes))
    for (std::size_t n = 0; n < oPiece.nBytes; n += kSectorBytes)
      aPlaces.push_back(PlaceOfReceivedByte(oPiece.nBufferStart + n));
  return aPlaces;
}

}  // namespace qvz::compare
