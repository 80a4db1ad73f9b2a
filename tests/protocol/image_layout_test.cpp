#include <gtest/gtest.h>

#include "protocol/image_layout.h"
#include "remote/disk_pattern.h"

namespace qvz::protocol {
namespace {

std::string Track(std::size_t n) { return tools::PatternTrack(7, n); }

TEST(ImageLayoutTest, OneSidedAndShortImagesStayAsReceived) {
  for (std::size_t nSize : {std::size_t{0}, std::size_t{1}, kOneSideLimit, kOneSideLimit + 1, kSideBytes}) {
    std::string cImage = tools::PatternDisk(3, 81).substr(0, nSize);
    EXPECT_TRUE(LayOutImage(cImage) == cImage) << nSize;
  }
}

TEST(ImageLayoutTest, TwoSidedImageInterleavesTheSidesTrackByTrack) {
  std::string cImage;
  for (std::size_t t = 0; t < 160; ++t) cImage += Track(t);
  const std::string cFile = LayOutImage(cImage);
  ASSERT_EQ(cFile.size(), kImageBytes);
  for (std::size_t t = 0; t < 80; ++t) {
    EXPECT_TRUE(cFile.compare(2 * t * kTrackBytes, kTrackBytes, Track(t)) == 0) << "side 1 track " << t + 1;
    EXPECT_TRUE(cFile.compare((2 * t + 1) * kTrackBytes, kTrackBytes, Track(80 + t)) == 0) << "side 2 track " << t + 1;
  }
  // Longer than the format: cut to it.
  EXPECT_TRUE(LayOutImage(cImage + Track(160)) == cFile);
}

// Disks of whole tracks against the file written out track by track.
TEST(ImageLayoutTest, WholeTrackDisksGiveTheFileOfTheFormat) {
  for (std::size_t nTracks : {0, 1, 40, 41, 80, 82, 159, 160, 161}) {
    EXPECT_TRUE(LayOutImage(tools::PatternDisk(9, nTracks)) == tools::PatternImageFile(9, nTracks)) << nTracks;
  }
}

TEST(ImageLayoutTest, PartialSecondSideFollowsTheBufferByPosition) {
  const std::string cImage = tools::PatternDisk(5, 87).substr(0, 400000);
  const std::string cFile = LayOutImage(cImage);
  ASSERT_EQ(cFile.size(), 400000u);
  std::string cExpected;
  for (std::size_t t = 0; t < 6; ++t)
    cExpected += cImage.substr(t * kTrackBytes, kTrackBytes) + cImage.substr(kSideBytes + t * kTrackBytes, kTrackBytes);
  cExpected += cImage.substr(6 * kTrackBytes, kTrackBytes) + cImage.substr(kSideBytes + 6 * kTrackBytes);
  EXPECT_EQ(cImage.size() - (kSideBytes + 6 * kTrackBytes), 3712u);
  cExpected += cImage.substr(7 * kTrackBytes, kSideBytes - 7 * kTrackBytes);
  EXPECT_TRUE(cFile == cExpected);
}

}  // namespace
}  // namespace qvz::protocol
