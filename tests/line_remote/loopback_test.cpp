// The remote against receivers on a real pty pair: the stand-in, and bare
// answers written by the test.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>

#include <string>
#include <thread>

#include "line_remote/disk_sender.h"
#include "line_remote/stand_in.h"
#include "line_remote/tty_line.h"

namespace qvz::tools {
namespace {

constexpr std::int64_t kSecondNs = 1'000'000'000;
constexpr std::size_t kTrackBytes = 4608;

// A pty pair: the master end for the receiver, the slave's path for the remote.
class Pty {
 public:
  Pty() : Pty(posix_openpt(O_RDWR | O_NOCTTY)) {}
  TtyLine& ReceiverEnd() { return oReceiverEnd; }
  const std::string& RemotePath() const { return cRemotePath; }

 private:
  explicit Pty(int nMaster) : cRemotePath(SlavePath(nMaster)), oReceiverEnd(nMaster) {}
  static std::string SlavePath(int nMaster) {
    if (nMaster < 0 || grantpt(nMaster) != 0 || unlockpt(nMaster) != 0) return {};
    return ptsname(nMaster);
  }

  std::string cRemotePath;  // made from the master before oReceiverEnd takes it over
  TtyLine oReceiverEnd;
};

TEST(LoopbackTest, APacedDiskAgainstTheStandInTakesItsLineTimeAndEveryWait) {
  Pty oPty;
  bool lStandInDone = false;
  std::thread oStandIn([&] { lStandInDone = RunStandIn(oPty.ReceiverEnd(), 1); });
  TtyLine oLine(oPty.RemotePath());
  ASSERT_TRUE(oLine.IsOpen());
  DiskSender oSender(oLine, 5760, 10 * kSecondNs);
  DiskTiming o;
  const SendResult e = oSender.Send(1, 2, o);
  oStandIn.join();

  EXPECT_EQ(e, SendResult::kSent);
  EXPECT_TRUE(lStandInDone);
  EXPECT_EQ(o.nTracks, 2u);
  EXPECT_EQ(o.nBytes, 2 * (3 + kTrackBytes) + 1);
  ASSERT_EQ(o.aTurnaroundMs.size(), 2u);
  // No byte goes out before its time on the wire, and each wait for an
  // answer comes on top: 9223 bytes at 5760 a second are 1.601 s.
  double nWaitedNs = 0;
  for (double nMs : o.aTurnaroundMs) {
    EXPECT_GT(nMs, 0);
    nWaitedNs += nMs * 1e6;
  }
  EXPECT_GE(static_cast<double>(o.nEndNs - o.nStartNs), 1'601'215'278 + nWaitedNs - 1'000);
  EXPECT_EQ(o.nBytesAnswered, 3 + kTrackBytes + 3);
}

TEST(LoopbackTest, UnpacedDisksAgainstTheStandIn) {
  Pty oPty;
  bool lStandInDone = false;
  std::thread oStandIn([&] { lStandInDone = RunStandIn(oPty.ReceiverEnd(), 2); });
  TtyLine oLine(oPty.RemotePath());
  DiskSender oSender(oLine, 0, 10 * kSecondNs);
  DiskTiming o1, o2;
  EXPECT_EQ(oSender.Send(1, 3, o1), SendResult::kSent);
  EXPECT_EQ(oSender.Send(2, 3, o2), SendResult::kSent);
  oStandIn.join();
  EXPECT_TRUE(lStandInDone);
  EXPECT_EQ(o2.nBytes, 3 * (3 + kTrackBytes) + 1);
  EXPECT_EQ(o2.aTurnaroundMs.size(), 3u);
  EXPECT_GT(o2.nLastAnswerNs, o2.nStartNs);
}

TEST(LoopbackTest, ATabEndsTheDiskAndSilenceLeavesTheHeaderUnanswered) {
  struct Case {
    std::string cAnswer;  // what the receiver sends once the header came
    SendResult eResult;
  };
  const Case aCases[] = {{"\t", SendResult::kEnded}, {"", SendResult::kNoAnswer}, {"x", SendResult::kNoAnswer}};
  for (const Case& c : aCases) {
    Pty oPty;
    std::thread oReceiver([&] {
      std::string cHeader;
      while (cHeader.size() < 3) cHeader += oPty.ReceiverEnd().ReadSome(3 - cHeader.size());
      if (!c.cAnswer.empty()) oPty.ReceiverEnd().Write(c.cAnswer.data(), c.cAnswer.size());
    });
    TtyLine oLine(oPty.RemotePath());
    DiskSender oSender(oLine, 0, kSecondNs / 5);
    DiskTiming o;
    EXPECT_EQ(oSender.Send(1, 2, o), c.eResult) << c.cAnswer;
    EXPECT_EQ(o.nTracks, 0u);
    oReceiver.join();
  }
}

}  // namespace
}  // namespace qvz::tools
