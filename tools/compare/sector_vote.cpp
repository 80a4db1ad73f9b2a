#include "compare/sector_vote.h"

#include <algorithm>

namespace qvz::compare {
namespace {

template <class Item>
std::size_t CountOf(const std::vector<Item>& aItems, const Item& oItem) {
  return static_cast<std::size_t>(std::count(aItems.begin(), aItems.end(), oItem));
}

// The index of the item most of the others equal; a tie goes to the
// earliest. Also says whether that item's count is its own, no other item
// reaching it.
template <class Item>
std::size_t MostHeld(const std::vector<Item>& aItems, bool& lAlone) {
  std::size_t nBest = 0;
  std::size_t nBestCount = 0;
  lAlone = true;
  for (std::size_t i = 0; i < aItems.size(); ++i) {
    const std::size_t nCount = CountOf(aItems, aItems[i]);
    if (nCount > nBestCount) {
      nBest = i;
      nBestCount = nCount;
      lAlone = true;
    } else if (nCount == nBestCount && aItems[i] != aItems[nBest]) {
      lAlone = false;
    }
  }
  return nBest;
}

std::string ByteMajority(const std::vector<std::string_view>& aCopies) {
  std::string cMerged(aCopies.front().size(), '\0');
  std::vector<char> aColumn(aCopies.size());
  bool lAlone = false;
  for (std::size_t nByte = 0; nByte < cMerged.size(); ++nByte) {
    for (std::size_t i = 0; i < aCopies.size(); ++i) aColumn[i] = aCopies[i][nByte];
    cMerged[nByte] = aColumn[MostHeld(aColumn, lAlone)];
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
  bool lAlone = false;
  const std::size_t nBest = MostHeld(aCopies, lAlone);
  oVote.lMajority = lAlone && CountOf(aCopies, aCopies[nBest]) >= 2;
  for (std::size_t i = 0; i < aCopies.size(); ++i) {
    if (oVote.lMajority && aCopies[i] != aCopies[nBest]) oVote.aOddOnesOut.push_back(i);
    if (aCopies[i].find_first_not_of('\0') == std::string_view::npos) oVote.aOnlyZeros.push_back(i);
  }
  oVote.cMerged = oVote.lMajority ? std::string(aCopies[nBest]) : ByteMajority(aCopies);
  return oVote;
}

}  // namespace qvz::compare
