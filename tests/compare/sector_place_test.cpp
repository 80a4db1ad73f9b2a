#include "compare/sector_place.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace qvz::compare {
namespace {

struct PlaceCase {
  std::size_t nFileBytes;
  std::size_t nFileOffset;
  SectorPlace oExpected;
};

// Each expectation worked out by hand from the file layout: up to 368640
// bytes the file is the tracks as received; above, side 1 track t and side 2
// track t alternate while side 2 lasts.
const PlaceCase kCases[] = {
    {256, 0, {1, 1, 0, 0}},
    {184320, 184064, {1, 40, 17, 719}},   // last sector of a 40-track disk
    {200192, 199936, {1, 44, 7, 781}},    // above 40 tracks, one side: as received
    {368640, 368384, {1, 80, 17, 1439}},  // a full side, still as received
    {737280, 0, {1, 1, 0, 0}},
    {737280, 4608, {2, 1, 0, 1440}},
    {737280, 4864, {2, 1, 1, 1441}},
    {737280, 9216, {1, 2, 0, 18}},
    {737280, 732416, {1, 80, 17, 1439}},
    {737280, 732672, {2, 80, 0, 2862}},
    {737280, 737024, {2, 80, 17, 2879}},
    // Side 2 ends 15 sectors into its track 7: side 1 tracks 8 to 80 follow.
    {400128, 55296, {1, 7, 0, 108}},
    {400128, 59904, {2, 7, 0, 1548}},
    {400128, 63488, {2, 7, 14, 1562}},
    {400128, 63744, {1, 8, 0, 126}},
    {400128, 399872, {1, 80, 17, 1439}},
};

TEST(SectorPlaceTest, NamesWhereEachSectorWasReceived) {
  for (const PlaceCase& oCase : kCases) {
    const std::vector<SectorPlace> aPlaces = PlaceSectors(oCase.nFileBytes);
    ASSERT_EQ(aPlaces.size(), oCase.nFileBytes / 256) << oCase.nFileBytes;
    const SectorPlace& oPlace = aPlaces[oCase.nFileOffset / 256];
    const SectorPlace& oWant = oCase.oExpected;
    EXPECT_EQ(std::make_tuple(oPlace.nSide, oPlace.nTrack, oPlace.nSector, oPlace.nLogSector),
              std::make_tuple(oWant.nSide, oWant.nTrack, oWant.nSector, oWant.nLogSector))
        << oCase.nFileBytes << " bytes, offset " << oCase.nFileOffset;
  }
}

TEST(SectorPlaceTest, EverySectorOfAFullImageHasAPlaceOfItsOwn) {
  std::set<std::tuple<int, int, int>> aSeen;
  std::set<long> aLogNumbers;
  for (const SectorPlace& oPlace : PlaceSectors(737280)) {
    aSeen.insert({oPlace.nSide, oPlace.nTrack, oPlace.nSector});
    aLogNumbers.insert(oPlace.nLogSector);
  }
  EXPECT_EQ(aSeen.size(), 2880u);
  EXPECT_EQ(aLogNumbers.size(), 2880u);
  EXPECT_EQ(*aLogNumbers.begin(), 0);
  EXPECT_EQ(*aLogNumbers.rbegin(), 2879);
}

TEST(SectorPlaceTest, AnEmptyImageHasNoSectors) { EXPECT_TRUE(PlaceSectors(0).empty()); }

}  // namespace
}  // namespace qvz::compare
