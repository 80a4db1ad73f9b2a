#include "protocol/image_layout.h"

#include <algorithm>

namespace qvz::protocol {
namespace {

void AppendPiece(std::string& cOut, const std::string& cImage, std::size_t nStart) {
  if (nStart >= cImage.size()) return;
  cOut.append(cImage, nStart, std::min(kTrackBytes, cImage.size() - nStart));
}

}  // namespace

std::string LayOutImage(const std::string& cImage) {
  if (cImage.size() <= kOneSideLimit) return cImage;
  std::string cOut;
  cOut.reserve(std::min(cImage.size(), kImageBytes));
  for (std::size_t t = 0; t < 80; ++t) {
    AppendPiece(cOut, cImage, t * kTrackBytes);
    AppendPiece(cOut, cImage, kSideBytes + t * kTrackBytes);
  }
  return cOut;
}

}  // namespace qvz::protocol
