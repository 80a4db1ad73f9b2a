#include "compare/sector_vote.h"

#include <gtest/gtest.h>

namespace qvz::compare {
namespace {

using namespace std::string_literals;

struct VoteCase {
  const char* cWhat;
  std::vector<std::string> aCopies;
  std::size_t nDifferingBytes;
  bool lMajority;
  std::vector<std::size_t> aOddOnesOut;
  std::vector<std::size_t> aOnlyZeros;
  std::string cMerged;
};

// Short copies stand for sectors: the vote does not depend on the length.
const VoteCase kCases[] = {
    {"two copies", {"abcd", "abXd"}, 1, false, {}, {}, "abcd"},
    {"two of three agree", {"abcd", "abcd", "Xbcd"}, 1, true, {2}, {}, "abcd"},
    {"the first is the odd one out", {"Xbcd", "abcd", "abcd"}, 1, true, {0}, {}, "abcd"},
    {"no two agree, bytes do", {"abcd", "aXcd", "abYd"}, 2, false, {}, {}, "abcd"},
    {"no two agree on a byte: the first image's", {"abcd", "aXcd", "aYcd"}, 1, false, {}, {}, "abcd"},
    {"two against two", {"abcd", "XYcd", "abcd", "XYcd"}, 2, false, {}, {}, "abcd"},
    {"two against one and one", {"Xbcd", "abcd", "abcd", "aYcd"}, 2, true, {0, 3}, {}, "abcd"},
    {"a byte tie without the first image", {"Xbcd", "abcd", "abcd", "Ybcd", "Ybcd"}, 1, false, {}, {}, "abcd"},
    {"a zero-filled copy", {"\0\0\0\0"s, "abcd", "abcd"}, 4, true, {0}, {0}, "abcd"},
    {"zeros of two images agree", {"\0\0\0\0"s, "abcd", "\0\0\0\0"s}, 4, true, {1}, {0, 2}, "\0\0\0\0"s},
    {"a zero-filled copy of two", {"abcd", "\0\0\0\0"s}, 4, false, {}, {1}, "abcd"},
};

TEST(SectorVoteTest, FindsTheMajorityAndTheOddOnesOut) {
  for (const VoteCase& oCase : kCases) {
    const std::vector<std::string_view> aCopies(oCase.aCopies.begin(), oCase.aCopies.end());
    const SectorVote oVote = VoteSector(aCopies);
    EXPECT_EQ(oVote.nDifferingBytes, oCase.nDifferingBytes) << oCase.cWhat;
    EXPECT_EQ(oVote.lMajority, oCase.lMajority) << oCase.cWhat;
    EXPECT_EQ(oVote.aOddOnesOut, oCase.aOddOnesOut) << oCase.cWhat;
    EXPECT_EQ(oVote.aOnlyZeros, oCase.aOnlyZeros) << oCase.cWhat;
    EXPECT_EQ(oVote.cMerged, oCase.cMerged) << oCase.cWhat;
  }
}

}  // namespace
}  // namespace qvz::compare
