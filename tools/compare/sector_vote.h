#pragma once
// The images' copies of one sector side by side: how far they differ,
// which copy most of them agree on, and the copy a merge takes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qvz::compare {

struct SectorVote {
  // Byte positions at which not every image holds the same byte.
  std::size_t nDifferingBytes = 0;
  // True when one copy is held by more images than any other copy.
  bool lMajority = false;
  // With a majority: the images (by index) that hold another copy.
  std::vector<std::size_t> aOddOnesOut;
  // The images whose copy is only zeros (a track the sender filled).
  std::vector<std::size_t> aOnlyZeros;
  // The majority's copy, or else byte by byte the value most images hold,
  // a tie going to the earliest image.
  std::string cMerged;
};

// aCopies holds one copy per image, all of one length.
SectorVote VoteSector(const std::vector<std::string_view>& aCopies);

}  // namespace qvz::compare
