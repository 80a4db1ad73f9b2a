#include "protocol/receiver.h"

#include <gtest/gtest.h>

#include "remote/disk_pattern.h"
#include "simulated_line.h"

namespace qvz::protocol::test {
namespace {

const std::string kWaiting = "Waiting data (ESC to exit)...";
const std::string kAck(1, '\0');

std::string Track(std::size_t t) { return tools::PatternTrack(3, t); }
std::string Zeros(std::size_t n) { return std::string(n, '\0'); }

// A disk of nTracks tracks numbered one after another, then "E".
std::vector<Action> Disk(std::size_t nTracks) {
  std::vector<Action> a;
  for (std::size_t t = 0; t < nTracks; ++t) AddTrack(a, static_cast<unsigned>(18 * (t + 1)), Track(t));
  a.push_back(Send{"E"});
  return a;
}

std::vector<Action> Join(std::vector<Action> a, const std::vector<Action>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(ReceiverRulesTest, ADiskIsLoggedAnsweredOncePerHeaderAndSummed) {
  const Transcript t = Play(Disk(3));
  const std::vector<std::string> aExpected = {kWaiting,
                                              "Receiving sectors 0 to 17",
                                              "Receiving sectors 18 to 35",
                                              "Receiving sectors 36 to 53",
                                              "Disk saved as DISK1.QVZ: 3 tracks, no track filled",
                                              kWaiting};
  EXPECT_EQ(t.aLines, aExpected);
  EXPECT_EQ(t.cSent, Zeros(3));
  ASSERT_EQ(t.aSaved.size(), 1u);
  EXPECT_TRUE(t.aSaved[0] == Track(0) + Track(1) + Track(2));
}

TEST(ReceiverRulesTest, HeaderNumbersAndMissingHeaderBytes) {
  struct {
    std::string cAfterT;  // what of the header arrives; the rest never comes
    const char* cLine;
  } aCases[] = {
      {std::string("\x12\x00", 2), "Receiving sectors 0 to 17"},
      {std::string("\x00\x01", 2), "Receiving sectors 238 to 255"},
      {std::string("\xFF\xFF", 2), "Receiving sectors 65517 to 65534"},
      {std::string("\x00\x00", 2), "Receiving sectors -18 to -1"},
      {"", "Receiving sectors -18 to -1"},
      {"\x12", "Receiving sectors 0 to 17"},  // the high byte lost: it counts as 0
  };
  for (const auto& c : aCases) {
    std::vector<Action> a;
    AddTrack(a, "T" + c.cAfterT, Track(0));
    a.push_back(Send{"E"});
    const Transcript t = Play(a);
    EXPECT_TRUE(t.Logged(c.cLine)) << c.cLine;
    EXPECT_EQ(t.cSent, kAck) << c.cLine;
    ASSERT_EQ(t.aSaved.size(), 1u) << c.cLine;
    EXPECT_TRUE(t.aSaved[0] == Track(0)) << c.cLine;
  }
}

// Bytes that stand for commands ("T", "E", a whole next header) come after
// the pause, inside the track's data.
TEST(ReceiverRulesTest, APauseInsideATrackKeepsEveryByteInPlace) {
  std::string cTrack = Track(0);
  cTrack.replace(4000, 5, std::string("TETN\x00", 5));
  cTrack[4003] = 36;  // "T" and the next header's sector number
  for (std::int64_t nPauseMs : {3000, 30000}) {
    std::vector<Action> a;
    AddTrack(a, 18, cTrack.substr(0, 4000));
    a.push_back(Pause{nPauseMs});
    a.push_back(Send{cTrack.substr(4000)});
    AddTrack(a, 36, Track(1));
    a.push_back(Send{"E"});
    const Transcript t = Play(a);
    EXPECT_EQ(t.cSent, Zeros(2)) << nPauseMs;
    ASSERT_EQ(t.aSaved.size(), 1u) << nPauseMs;
    EXPECT_TRUE(t.aSaved[0] == cTrack + Track(1)) << nPauseMs;
    const std::string cPaused = nPauseMs == 3000 ? "3.0" : "30.0";
    EXPECT_TRUE(t.Logged("Sectors 0 to 17: paused " + cPaused + " s, complete")) << nPauseMs;
    EXPECT_TRUE(t.Logged("Disk saved as DISK1.QVZ: 2 tracks, no track filled")) << nPauseMs;
  }
}

TEST(ReceiverRulesTest, LostDataBytesFillTheirTrackAndTheNextHeaderIsAnswered) {
  struct {
    std::size_t nLost;
    std::size_t nAt;
    const char* cLine;
  } aCases[] = {
      {1, 1000, "Missing 1 byte in sectors 18 to 35, filled with 0"},
      {2, 1000, "Missing 2 bytes in sectors 18 to 35, filled with 0"},
      {3, 4605, "Missing 3 bytes in sectors 18 to 35, filled with 0"},
      {5, 0, "Missing 5 bytes in sectors 18 to 35, filled with 0"},
  };
  for (const auto& c : aCases) {
    std::string cSent = Track(1);
    cSent.erase(c.nAt, c.nLost);
    std::vector<Action> a;
    AddTrack(a, 18, Track(0));
    AddTrack(a, 36, cSent);
    AddTrack(a, 54, Track(2));
    a.push_back(Send{"E"});
    const Transcript t = Play(a);
    EXPECT_FALSE(t.lRemoteStuck) << c.nLost;
    EXPECT_EQ(t.cSent, Zeros(3)) << c.nLost;
    EXPECT_TRUE(t.Logged(c.cLine)) << c.nLost;
    EXPECT_TRUE(t.Logged("Disk saved as DISK1.QVZ: 3 tracks, filled: sectors 18 to 35")) << c.nLost;
    ASSERT_EQ(t.aSaved.size(), 1u) << c.nLost;
    EXPECT_TRUE(t.aSaved[0] == Track(0) + cSent + Zeros(c.nLost) + Track(2)) << c.nLost;
  }
}

TEST(ReceiverRulesTest, ALostTrackCommandIsFoundFromTheSectorNumberAlone) {
  std::vector<Action> a;
  AddTrack(a, 18, Track(0));
  AddTrack(a, std::string("\x24\x00", 2), Track(1));
  a.push_back(Send{"E"});
  const Transcript t = Play(a);
  EXPECT_FALSE(t.lRemoteStuck);
  EXPECT_EQ(t.cSent, Zeros(2));
  EXPECT_TRUE(t.Logged("Receiving sectors 18 to 35"));
  ASSERT_EQ(t.aSaved.size(), 1u);
  EXPECT_TRUE(t.aSaved[0] == Track(0) + Track(1));
  EXPECT_TRUE(t.Logged("Disk saved as DISK1.QVZ: 2 tracks, no track filled"));
}

// A "T" in line noise opens a track that takes the real header as data;
// the silence after that header gives it away, and the empty track goes.
// A disk's first header is known whatever the noise track's number was.
TEST(ReceiverRulesTest, ATrackCommandInNoiseBeforeAndBetweenDisksIsDropped) {
  std::vector<Action> a = {Send{"T"}, Pause{5000}};
  a = Join(a, Disk(2));
  a.push_back(Pause{1000});
  a.push_back(Send{"T\x07\x09"});  // with a noise header, answered
  a.push_back(Pause{5000});
  a = Join(a, Disk(2));
  const Transcript t = Play(a);
  EXPECT_FALSE(t.lRemoteStuck);
  ASSERT_EQ(t.aSaved.size(), 2u);
  EXPECT_TRUE(t.aSaved[0] == Track(0) + Track(1));
  EXPECT_TRUE(t.aSaved[1] == Track(0) + Track(1));
  EXPECT_TRUE(t.Logged("Disk saved as DISK2.QVZ: 2 tracks, no track filled"));
  EXPECT_FALSE(t.Logged("Sector numbers restart at 0: the end of the previous disk may have been lost"));
}

// The one stream that fools the rules: the remote stalls right after data
// bytes that read "T" and the next header's sector number. Those bytes are
// taken for the header, the track is cut there and an unasked 0x00 goes out.
TEST(ReceiverRulesTest, AStallRightAfterBytesThatLookLikeTheNextHeaderIsTakenForIt) {
  std::string cTrack = Track(0);
  cTrack.replace(2000, 3, std::string("T\x24\x00", 3));
  std::vector<Action> a;
  AddTrack(a, 18, cTrack.substr(0, 2003));
  a.push_back(Pause{3000});
  const Transcript t = Play(a);
  EXPECT_TRUE(t.Logged("Missing 2608 bytes in sectors 0 to 17, filled with 0"));
  EXPECT_TRUE(t.Logged("Receiving sectors 18 to 35"));
  EXPECT_EQ(t.cSent, Zeros(2));
}

TEST(ReceiverRulesTest, ExitKeyAtEachPoint) {
  struct {
    const char* cWhere;
    std::vector<Action> aBefore;
    std::string cSent;
    bool lStops;
    std::vector<std::string> aLinesAfterWaiting;
  } aCases[] = {
      {"awaiting the first command", {}, "\t", false, {}},
      {"awaiting a command after a track",
       [] {
         std::vector<Action> a;
         AddTrack(a, 18, Track(0));
         return a;
       }(),
       kAck + "\t",
       false,
       {"Receiving sectors 0 to 17", "Disk not saved: 1 track"}},
      {"after the track command", {Send{"T"}}, "\t", true, {}},
      {"after the header's first byte", {Send{"T\x12"}}, "\t", true, {}},
      {"inside the track's data",
       [] {
         std::vector<Action> a;
         AddTrack(a, 18, Track(0).substr(0, 100));
         return a;
       }(),
       kAck + "\t",
       true,
       {"Receiving sectors 0 to 17", "Missing 4508 bytes in sectors 0 to 17, filled with 0", "Disk not saved: 1 track"}},
  };
  for (auto& c : aCases) {
    std::vector<Action> a = c.aBefore;
    a.push_back(PressExit{});
    const Transcript t = Play(a);
    EXPECT_EQ(t.cSent, c.cSent) << c.cWhere;
    EXPECT_EQ(t.lStopped, c.lStops) << c.cWhere;
    std::vector<std::string> aExpected = {kWaiting};
    aExpected.insert(aExpected.end(), c.aLinesAfterWaiting.begin(), c.aLinesAfterWaiting.end());
    EXPECT_EQ(t.aLines, aExpected) << c.cWhere;
  }
}

// A byte lost in a disk's last track makes its "E" data: the next disk's
// first header then arrives as a command, and joins the two.
TEST(ReceiverRulesTest, SectorNumbersThatRestartMidImageAreLogged) {
  std::string cLast = Track(1);
  cLast.erase(10, 1);
  std::vector<Action> a;
  AddTrack(a, 18, Track(0));
  AddTrack(a, 36, cLast);
  a.push_back(Send{"E"});
  a.push_back(Pause{10000});
  a = Join(a, Disk(2));
  const Transcript t = Play(a);
  EXPECT_TRUE(t.Logged("Sector numbers restart at 0: the end of the previous disk may have been lost"));
  ASSERT_EQ(t.aSaved.size(), 1u);
  EXPECT_TRUE(t.aSaved[0] == Track(0) + cLast + "E" + Track(0) + Track(1));
  EXPECT_TRUE(t.Logged("Disk saved as DISK1.QVZ: 4 tracks, no track filled"));
}

TEST(ReceiverRulesTest, ADiskThatWasNotSavedIsSummedAsSuch) {
  Receiver r("ESC");
  r.Start();
  r.Byte('T', 0);
  r.Byte(18, 0);
  r.Byte(0, 0);
  for (char b : Track(0)) r.Byte(static_cast<unsigned char>(b), 1);
  EXPECT_TRUE(r.Byte('E', 2).lSave);
  EXPECT_EQ(r.Saved("").aLines, std::vector<std::string>{"Disk not saved: 1 track"});
}

// How many bytes must still come before an answer can be owed: a front end
// may let that many arrive unwatched.
TEST(ReceiverRulesTest, BytesBeforeAnAnswerIsOwed) {
  Receiver r("ESC");
  r.Start();
  struct Case {
    std::string cBytes;  // fed next
    std::size_t nBefore;
  };
  const Case aCases[] = {
      {"", 3},                                 // "T" and the sector number
      {"x", 3},                                // noise between tracks
      {"T", 2},
      {std::string(1, '\x12'), 1},
      {std::string(1, '\x00'), 4608 + 3},      // answered: the data, then the next header
      {Track(0).substr(0, 100), 4508 + 3},
      {Track(0).substr(100, 4507), 1 + 3},
      {Track(0).substr(4607), 3},              // the track is whole
  };
  for (const Case& c : aCases) {
    for (char b : c.cBytes) r.Byte(static_cast<unsigned char>(b), 0);
    EXPECT_EQ(r.BytesBeforeAnswer(), c.nBefore) << c.cBytes.size() << " bytes more";
  }
}

}  // namespace
}  // namespace qvz::protocol::test
