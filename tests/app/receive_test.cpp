#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

#include "app/byte_queue.h"
#include "app/port_io.h"
#include "app/receive_queue.h"
#include "app/waits.h"
#include "harness/host_cpu.h"
#include "harness/keyboard.h"
#include "harness/pty_pair.h"
#include "runtime/clock.h"
#include "serial/comm.h"
#include "ui/window.h"

namespace qvz::app {
namespace {

using test::FarEnd;
using test::HeldKey;
using test::PtyPair;

void EmptyTheQueue() {
  while (!GETCHAR().empty()) {
  }
}

std::string Pattern(size_t nCount) {
  std::string c(nCount, '\0');
  for (size_t i = 0; i < nCount; ++i) c[i] = static_cast<char>((i * 13 + i / 256) & 0xFF);
  return c;
}

TEST(ReceiveQueueTest, TakesBytesInOrderIncludingNul) {
  EmptyTheQueue();
  EXPECT_EQ(GETCHAR(), "");
  EXPECT_EQ(QueuedBytes(), 0u);
  AppendToQueue(std::string("a\0b", 3));
  EXPECT_EQ(GETCHAR(), "a");
  EXPECT_EQ(GETCHAR(), std::string(1, '\0'));
  AppendToQueue("c");
  EXPECT_EQ(GETCHAR(), "b");
  EXPECT_EQ(GETCHAR(), "c");
  EXPECT_EQ(GETCHAR(), "");
}

TEST(ReceiveQueueTest, LargeBacklogInterleavedWithAppendsStaysInOrder) {
  ByteQueue q;
  const std::string cData = Pattern(300000);
  std::string cOut;
  size_t nIn = 0;
  while (cOut.size() < cData.size()) {
    if (nIn < cData.size()) {
      q.Append(std::string_view(cData).substr(nIn, 7000));
      nIn += std::min<size_t>(7000, cData.size() - nIn);
    }
    for (int i = 0; i < 5000; ++i) {
      std::string b = q.Take();
      if (b.empty()) break;
      cOut += b;
    }
  }
  EXPECT_TRUE(cOut == cData);
  EXPECT_EQ(q.Size(), 0u);
}

class LinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EmptyTheQueue();
    nCom = serial::OPENCOMM(PtyPair::kProgramPort, 16384, 16384);
    ASSERT_GT(nCom, 0);
  }
  void TearDown() override {
    serial::CLOSECOMM(nCom);
    if (oWnd.hWnd) DestroyWindow(oWnd.hWnd);
    EmptyTheQueue();
  }
  // A window whose comm-notify action is the receiver's drain action.
  void Register() {
    oWnd.hWnd = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr, nullptr);
    oWnd.Link();
    oWnd.bCommNotify = [this](WPARAM w, LPARAM l) {
      ++nNotifications;
      return DrainAction(oWnd, w, l);
    };
    serial::ENABLECOMMNOTIFICATION(nCom, oWnd.hWnd, 1, -1);
  }
  PtyPair oPair;
  FarEnd oFar;
  int nCom = -1;
  ui::TWindow oWnd;
  int nNotifications = 0;
};

TEST_F(LinkTest, ReceiveStrTakesAtMostAThousandBytes) {
  const std::string cData = Pattern(1500);
  oFar.Write(cData);
  Sleep(500);  // no window registered: the bytes wait in the ring
  std::string cFirst = RECEIVESTR(nCom);
  EXPECT_EQ(cFirst.size(), 1000u);
  EXPECT_EQ(cFirst + RECEIVESTR(nCom), cData);
  EXPECT_EQ(RECEIVESTR(nCom), "");
}

TEST_F(LinkTest, SendStrReportsAWholeWrite) {
  EXPECT_TRUE(SENDSTR(nCom, std::string(1, '\0')));
  EXPECT_EQ(oFar.Read(1), std::string(1, '\0'));
}

TEST_F(LinkTest, WaitCharReturnsEveryByteOfTracksAndAHeaderWithoutALaterByte) {
  Register();
  // Three tracks' worth as fast as the line takes them, then a header, then
  // silence: the remote now waits for an answer.
  const std::string cData = Pattern(3 * 4608) + "T\x01\x00";
  oFar.Write(cData);
  std::string cGot;
  while (cGot.size() < cData.size()) {
    std::string b = WAITCHAR(runtime::MilliSeconds() + 2000).cByte;
    if (b.empty()) break;
    cGot += b;
  }
  EXPECT_EQ(cGot.size(), cData.size());
  EXPECT_TRUE(cGot == cData);
}

// A byte a millisecond, taken by waits while the reader may keep bytes back,
// as inside a track: they come in a few batches, whole and in order.
TEST_F(LinkTest, BytesKeptBackByTheReaderComeInFewBatches) {
  Register();
  const std::string cData = Pattern(300);
  std::thread writer([&] {
    for (char c : cData) {
      oFar.Write(std::string(1, c));
      Sleep(1);
    }
  });
  std::string cGot;
  while (cGot.size() < cData.size()) {
    serial::HOLDCOMMNOTIFICATION(nCom, 1000);
    std::string b = WAITCHAR(runtime::MilliSeconds() + 2000).cByte;
    if (b.empty()) break;
    cGot += b;
  }
  writer.join();
  EXPECT_TRUE(cGot == cData);
  EXPECT_LT(nNotifications, 100) << "for " << cData.size() << " bytes";
}

TEST_F(LinkTest, ByteArrivingDuringTheWaitIsReturned) {
  Register();
  std::thread late([this] {
    Sleep(400);
    oFar.Write("L");
  });
  const auto nStart = runtime::MilliSeconds();
  EXPECT_EQ(WAITCHAR(nStart + 2000).cByte, "L");
  EXPECT_LT(runtime::MilliSeconds() - nStart, 2000);
  late.join();
}

TEST_F(LinkTest, WaitEndsAtItsDeadline) {
  Register();
  const auto nStart = runtime::MilliSeconds();
  const Waited oWaited = WAITCHAR(nStart + 2000);
  EXPECT_EQ(oWaited.cByte, "");
  EXPECT_FALSE(oWaited.lEsc);
  EXPECT_GE(oWaited.nMs - nStart, 2000);
  EXPECT_GE(runtime::MilliSeconds() - nStart, 2000);
}

TEST_F(LinkTest, AWaitWithoutDeadlineIdlesWithoutBurningAProcessor) {
  Register();
  std::thread esc([] {
    Sleep(5000);
    test::PressKey(VK_ESCAPE);
  });
  // This program's queue work is done partly by the Wine server: both count.
  const test::CpuSeconds oBefore = test::HostCpuSeconds("app_test.exe");
  const auto nStart = runtime::MilliSeconds();
  EXPECT_TRUE(WAITCHAR(std::nullopt).lEsc);
  const auto nElapsed = runtime::MilliSeconds() - nStart;
  const test::CpuSeconds oUsed = test::HostCpuSeconds("app_test.exe") - oBefore;
  esc.join();
  test::ReleaseKey(VK_ESCAPE);
  std::printf("idle wait: %lld ms elapsed, %.2f s CPU (app_test.exe %.2f, Wine server %.2f), %d notifications\n",
              static_cast<long long>(nElapsed), oUsed.Total(), oUsed.nProgram, oUsed.nWineServer, nNotifications);
  EXPECT_LT(oUsed.Total(), nElapsed / 1000.0 / 4);
}

TEST(WaitTest, EscapeWinsOverAQueuedByteAndTakesNothing) {
  EmptyTheQueue();
  AppendToQueue("x");
  {
    HeldKey esc(VK_ESCAPE);
    const Waited oWaited = WAITCHAR(std::nullopt);
    EXPECT_TRUE(oWaited.lEsc);
    EXPECT_EQ(oWaited.cByte, "");
  }
  EXPECT_EQ(QueuedBytes(), 1u);
  EXPECT_EQ(WAITCHAR(std::nullopt).cByte, "x");
}

TEST(WaitTest, QueuedByteReturnsAtOnceEvenPastTheDeadline) {
  EmptyTheQueue();
  AppendToQueue("ab");
  const auto nStart = runtime::MilliSeconds();
  EXPECT_EQ(WAITCHAR(std::nullopt).cByte, "a");
  EXPECT_EQ(WAITCHAR(nStart - 1).cByte, "b");
  EXPECT_LT(runtime::MilliSeconds() - nStart, 1000);
}

}  // namespace
}  // namespace qvz::app
