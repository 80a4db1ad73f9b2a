#include "compare/sector_vote.h"

#include <algorithm>

namespace qvz::compare {
namespace {

template <class Item>
std::size_t CountOf(const std::vector<Item>& aItems, const Item& oItem) {
  return static_cast<std::size_t>(std::count(aItems.begin(), aItems.end(), oItem));
}

struct MostHeld {
  std::size_t nIndex = 0;  // the earliest item of those held most often
  bool lAlone = true;      // no other value is held as often
};

template <class Item>
MostHeld FindMostHeld(const std::vector<Item>& aItems) {
  MostHeld oBest;
  std::size_t nBestCount = 0;
  for (std::size_t i = 0; i < aItems.size(); ++i) {
    const std::size_t nCount = CountOf(aItems, aItems[i]);
    if (nCount > nBestCount) {
      oBest = {i, true};
      nBestCount = nCount;
    } else if (nCount == nBestCount && aItems[i] != aItems[oBest.nIndex]) {
      oBest.lAlone = false;
    }
  }
  return oBest;
}

std::string ByteMajority(const std::vector<std::string_view>& aCopies) {
  std::string cMerged(aCopies.front().size(), '\0');
  std::vector<char> aColumn(aCopies.size());
  for (std::size_t nByte = 0; nByte < cMerged.size(); ++nByte) {
    for (std::size_t i = 0; i < aCopies.size(); ++i) aColumn[i] = aCopies[i][nByte];
    cMerged[nByte] = aColumn[FindMostHeld(aColumn).nIndex];
  }
  return cMerged;
}

std::size_t DifferingBytes(const std::vector<std::string_view>& aCopies) {
  std::size_t nCount = 0;
  for (std::size_t nByte = 0; nByte < aCopies.front().size(); ++nByte)
    nCount += std::any_of(aCopies.begin(), aCopies.end(),
                          [&](std::string_view c) { return c[nByte] != aCopies.front()[nByte]; });
  return nCount;
}

}  // namespace

SectorVote VoteSector(const std::vector<std::string_view>& aCopies) {
  SectorVote oVote;
  oVote.nDifferingBytes = DifferingBytes(aCopies);
  // A copy that no other image holds ties with every other copy, so a copy
  // held by more images than any other is held by two at least.
  const MostHeld oBest = FindMostHeld(aCopies);
  oVote.lMajority = oBest.lAlone;
  const std::size_t nBest = oBest.nIndex;
  for (std::size_t i = 0; i < aCopies.size(); ++i) {
    if (oVote.lMajority && aCopies[i] != aCopies[nBest]) oVote.aOddOnesOut.push_back(i);
    if (aCopies[i].find_first_not_of('\0') == std::string_view::npos) oVote.aOnlyZeros.push_back(i);
  }
  oVote.cMerged = oVote.lMajority ? std::string(aCopies[nBest]) : ByteMajority(aCopies);
  return oVote;
}

}  // namespace qvz::compare
