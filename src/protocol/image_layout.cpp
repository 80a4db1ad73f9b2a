#include "protocol/image_layout.h"

#include <algorithm>

namespace qvz::protocol {
namespace {

void AddPiece(std::vector<ImagePiece>& aPieces, std::size_t nBufferBytes, std::size_t nStart) {
  if (nStart >= nBufferBytes) return;
  aPieces.push_back({nStart, std::min(kTrackBytes, nBufferBytes - nStart)});
}

}  // namespace

std::vector<ImagePiece> LayOutPieces(std::size_t nBufferBytes) {
  if (nBufferBytes <= kOneSideLimit) return {{0, nBufferBytes}};
  std::vector<ImagePiece> aPieces;
  for (std::size_t t = 0; t < kTracksPerSide; ++t) {
    AddPiece(aPieces, nBufferBytes, t * kTrackBytes);
    AddPiece(aPieces, nBufferBytes, kSideBytes + t * kTrackBytes);
  }
  return aPieces;
}

std::string LayOutImage(const std::string& cImage) {
  std::string cOut;
  cOut.reserve(std::min(cImage.size(), kImageBytes));
  for (const ImagePiece& oPiece : LayOutPieces(cImage.size())) cOut.append(cImage, oPiece.nBufferStart, oPiece.nBytes);
  return cOut;
}

}  // namespace qvz::protocol
