#pragma once
// Where each 256-byte sector of an image file was received: the image
// writer's layout turned back for the file's size.

#include <cstddef>
#include <vector>

namespace qvz::compare {

struct SectorPlace {
  int nSide = 0;        // 1 or 2
  int nTrack = 0;       // from 1
  int nSector = 0;      // within the track, 0 to 17
  long nLogSector = 0;  // the number the receiver's log showed for it
};

// The place of every sector of an image file of nFileBytes, in file order.
// nFileBytes is a whole number of sectors and at most one image's size.
std::vector<SectorPlace> PlaceSectors(std::size_t nFileBytes);

}  // namespace qvz::compare
