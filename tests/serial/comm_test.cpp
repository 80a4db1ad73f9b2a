#include "serial/comm.h"

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "harness/captured_errors.h"
#include "harness/pty_pair.h"
#include "harness/pump.h"
#include "runtime/unique_handle.h"
#include "notify_sink.h"
#include "serial/comm_port.h"
#include "serial/line_settings.h"

namespace qvz::serial {
namespace {

using test::FarEnd;
using test::PtyPair;

int ThreadCount() {
  HANDLE hSnap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 te{};
  te.dwSize = sizeof te;
  int n = 0;
  for (BOOL ok = Thread32First(hSnap, &te); ok; ok = Thread32Next(hSnap, &te))
    if (te.th32OwnerProcessID == GetCurrentProcessId()) ++n;
  CloseHandle(hSnap);
  return n;
}

// Bytes 0..255 over and over, offset so that neighbouring batches differ.
std::string Pattern(size_t nCount, int nSeed = 0) {
  std::string c(nCount, '\0');
  for (size_t i = 0; i < nCount; ++i) c[i] = static_cast<char>((i * 7 + nSeed + i / 251) & 0xFF);
  return c;
}

class PortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    nCom = OPENCOMM(PtyPair::kProgramPort, 16384, 16384);
    ASSERT_GT(nCom, 0);
  }
  void TearDown() override {
    if (nCom > 0) {
      EXPECT_TRUE(CLOSECOMM(nCom));
    }
  }
  PtyPair oPair;
  FarEnd oFar;
  int nCom = -1;
};

TEST(CommOpenTest, MissingDeviceFailsWithoutAThread) {
  int nThreads = ThreadCount();
  EXPECT_EQ(OPENCOMM("\\\\.\\COM77"), -1);
  EXPECT_EQ(ThreadCount(), nThreads);
}

TEST(CommOpenTest, FailedOpenKeepsTheSystemsReasonUntilTheNextOpen) {
  PtyPair oPair;
  EXPECT_EQ(OPENCOMM("\\\\.\\COM77"), -1);
  EXPECT_EQ(OpenCommError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(OPENCOMM("\\\\.\\COM" + std::string(5000, '1')), -1);
  EXPECT_EQ(OpenCommError(), static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));
  const int nCom = OPENCOMM(PtyPair::kProgramPort);
  ASSERT_GT(nCom, 0);
  EXPECT_EQ(OpenCommError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_TRUE(CLOSECOMM(nCom));
}

TEST(CommOpenTest, QueueSizesAreSixteenBitsWithDefaults) {
  EXPECT_EQ(QueueSize(std::nullopt, 1024), 1024u);
  EXPECT_EQ(QueueSize(65536, 1024), 0u);
  EXPECT_EQ(QueueSize(70000, 1024), 4464u);
  EXPECT_EQ(QueueSize(16384, 128), 16384u);
}

TEST(CommOpenTest, HandlesThatAreNotOpenAreRefused) {
  PtyPair oPair;
  int nCom = OPENCOMM(PtyPair::kProgramPort);
  ASSERT_GT(nCom, 0);
  ASSERT_TRUE(CLOSECOMM(nCom));
  for (int nBad : {nCom, 0, -1, 12345}) {
    std::string cBuf(10, ' '), cStat;
    EXPECT_EQ(READCOMM(nBad, cBuf), 0);
    EXPECT_EQ(cBuf, std::string(10, ' '));
    EXPECT_EQ(WRITECOMM(nBad, "x"), 0);
    EXPECT_FALSE(ENABLECOMMNOTIFICATION(nBad, nullptr));
    EXPECT_FALSE(CLOSECOMM(nBad));
    EXPECT_FALSE(SETCOMMSTATE(nBad, std::string(sizeof(DCB), '\0')));
    EXPECT_EQ(GETCOMMERROR(nBad, cStat), 0);
    EXPECT_EQ(cStat, std::string(12, '\0'));
    EXPECT_TRUE(ESCAPECOMMFUNCTION(nBad, SETDTR));
  }
}

TEST(CommOpenTest, OpeningAndClosingLeaksNothing) {
  PtyPair oPair;
  auto Round = [] {
    int nCom = OPENCOMM(PtyPair::kProgramPort);
    ASSERT_GT(nCom, 0);
    ASSERT_TRUE(CLOSECOMM(nCom));
  };
  Round();  // first use loads what the platform keeps for good
  DWORD nHandles = 0;
  GetProcessHandleCount(GetCurrentProcess(), &nHandles);
  int nThreads = ThreadCount();
  for (int i = 0; i < 200; ++i) Round();
  DWORD nHandlesAfter = 0;
  GetProcessHandleCount(GetCurrentProcess(), &nHandlesAfter);
  EXPECT_EQ(nHandlesAfter, nHandles);
  EXPECT_EQ(ThreadCount(), nThreads);
}

TEST_F(PortTest, WritesReachTheFarEnd) {
  EXPECT_EQ(WRITECOMM(nCom, ""), 0);
  EXPECT_EQ(WRITECOMM(nCom, std::string(1, '\0')), 1);
  EXPECT_EQ(WRITECOMM(nCom, "\x09T\xFF"), 3);
  EXPECT_EQ(oFar.Read(4), std::string("\0\x09T\xFF", 4));
}

TEST_F(PortTest, ReadCommFillsTheCallersStringInPlace) {
  std::string cBuf = "abc";
  EXPECT_EQ(READCOMM(nCom, cBuf), 0);  // empty ring: untouched
  EXPECT_EQ(cBuf, "abc");
  oFar.Write("XY");
  NotifySink oSink(nCom);  // not registered: only a pump for the wait
  Sleep(300);
  std::string cEmpty;
  EXPECT_EQ(READCOMM(nCom, cEmpty), 0);
  EXPECT_EQ(READCOMM(nCom, cBuf), 2);
  EXPECT_EQ(cBuf, "XYc");
}

TEST_F(PortTest, NotificationsDeliverEveryByteInOrderOnTheGuiThread) {
  NotifySink oSink(nCom);
  ENABLECOMMNOTIFICATION(nCom, oSink.Window(), 1, -1);
  // Batches of several sizes: over 1000 (two drains each), across the
  // ring's end, and single bytes.
  std::string cAll;
  for (size_t nBatch : {1500u, 3u, 2047u, 1u, 999u, 4000u}) {
    std::string c = Pattern(nBatch, static_cast<int>(cAll.size()));
    oFar.Write(c);
    cAll += c;
    ASSERT_TRUE(oSink.PumpUntil(cAll.size())) << "after a batch of " << nBatch;
  }
  EXPECT_EQ(oSink.cReceived, cAll);
  EXPECT_EQ(oSink.nHandlerThread, GetCurrentThreadId());
  EXPECT_EQ(oSink.nLastWParam, static_cast<WPARAM>(nCom));
  EXPECT_EQ(oSink.nLastLParam, 1);
}

TEST_F(PortTest, NotificationOffCollectsBytesForALaterNotification) {
  NotifySink oSink(nCom);
  ENABLECOMMNOTIFICATION(nCom, nullptr);
  oFar.Write("first");
  Sleep(300);
  test::DispatchWaiting();
  EXPECT_EQ(oSink.nNotifications, 0);
  ENABLECOMMNOTIFICATION(nCom, oSink.Window());
  oFar.Write("second");
  ASSERT_TRUE(oSink.PumpUntil(11));
  EXPECT_EQ(oSink.cReceived, "firstsecond");
}

TEST_F(PortTest, BurstWhileTheGuiThreadDoesNotPumpArrivesWhole) {
  NotifySink oSink(nCom);
  ENABLECOMMNOTIFICATION(nCom, oSink.Window());
  const std::string cBurst = Pattern(200000, 3);
  std::thread writer([&] { oFar.Write(cBurst); });
  Sleep(1500);  // the ring fills; the rest waits in the driver and the pty
  ASSERT_TRUE(oSink.PumpUntil(cBurst.size(), 30000));
  writer.join();
  EXPECT_TRUE(oSink.cReceived == cBurst);
}

TEST_F(PortTest, BytesLeftInAFullRingArriveWithoutFurtherTraffic) {
  NotifySink oSink(nCom);
  ENABLECOMMNOTIFICATION(nCom, oSink.Window());
  const std::string cData = Pattern(3000, 5);
  oFar.Write(cData);
  Sleep(800);  // everything is at the program's end; nothing more is sent
  ASSERT_TRUE(oSink.PumpUntil(cData.size(), 3000)) << oSink.cReceived.size();
  EXPECT_EQ(oSink.cReceived, cData);
}

// With no window told, the ring fills and the reader waits for room; each
// READCOMM that frees room lets it go on, with no further traffic.
TEST_F(PortTest, AReaderWaitingForRoomGoesOnOnceBytesAreTaken) {
  const std::string cData = Pattern(6000, 7);
  oFar.Write(cData);
  Sleep(800);
  std::string cReceived;
  const ULONGLONG nEnd = GetTickCount64() + 10000;
  while (cReceived.size() < cData.size() && GetTickCount64() < nEnd) {
    std::string cBuf(1000, ' ');
    const int n = READCOMM(nCom, cBuf);
    cReceived += cBuf.substr(0, static_cast<size_t>(n));
    if (n == 0) Sleep(20);
  }
  EXPECT_TRUE(cReceived == cData) << cReceived.size() << " of " << cData.size() << " bytes";
}

// A hold longer than the reader ever keeps a byte back: the byte is still
// announced soon after it came.
TEST_F(PortTest, NoByteIsKeptBackLongerThanTheLongestHold) {
  NotifySink oSink(nCom);
  ENABLECOMMNOTIFICATION(nCom, oSink.Window());
  ASSERT_TRUE(HOLDCOMMNOTIFICATION(nCom, 60000));
  oFar.Write("h");
  EXPECT_TRUE(oSink.PumpUntil(1, 2000));
  EXPECT_EQ(oSink.cReceived, "h");
  ASSERT_TRUE(HOLDCOMMNOTIFICATION(nCom, 0));
  EXPECT_FALSE(HOLDCOMMNOTIFICATION(-1, 0));
}

TEST_F(PortTest, CloseWhileTheReaderIsBlockedInANotificationReturnsPromptly) {
  NotifySink oSink(nCom);
  ENABLECOMMNOTIFICATION(nCom, oSink.Window());
  oFar.Write("z");
  Sleep(300);  // the reader now waits for this thread to take its message
  ULONGLONG nStart = GetTickCount64();
  EXPECT_TRUE(CLOSECOMM(nCom));
  EXPECT_LT(GetTickCount64() - nStart, 1000u);
  nCom = -1;
}

TEST_F(PortTest, CloseWhileTheReaderWaitsForDataReturnsPromptly) {
  Sleep(100);
  ULONGLONG nStart = GetTickCount64();
  EXPECT_TRUE(CLOSECOMM(nCom));
  EXPECT_LT(GetTickCount64() - nStart, 1000u);
  nCom = -1;
}

// A failure that ends the reader is kept in its port and raised on the GUI
// thread: at once through the notify message when a window is registered,
// else by the next call on the port. It never reaches the error block on
// the reader's own thread.
TEST_F(PortTest, AReaderFailureIsRaisedOnTheGuiThreadOnce) {
  for (bool lRegistered : {true, false}) {
    SCOPED_TRACE(lRegistered ? "window registered" : "no window registered");
    NotifySink oSink(nCom);
    ENABLECOMMNOTIFICATION(nCom, lRegistered ? oSink.Window() : nullptr);
    test::CapturedErrors oErrors;
    CommPort* oPort = FindPort(nCom);
    ASSERT_NE(oPort, nullptr);
    std::thread oFailing([oPort] {
      RunReaderGuarded(*oPort, [] {
        runtime::RuntimeError e;
        e.description = "reader failed";
        throw e;
      });
    });
    oFailing.join();
    EXPECT_TRUE(oErrors.All().empty()) << "raised on the reader's thread";
    if (lRegistered) {
      EXPECT_TRUE(test::PumpUntil([&] { return oSink.nNotifications > 0; }));
    } else {
      test::PumpFor(100);
      EXPECT_EQ(oSink.nNotifications, 0);
      std::string cBuf(10, ' ');
      READCOMM(nCom, cBuf);
    }
    const auto aCaught = oErrors.All();
    ASSERT_EQ(aCaught.size(), 1u);
    EXPECT_EQ(aCaught[0].oError.description, "reader failed");
    EXPECT_EQ(aCaught[0].nThread, GetCurrentThreadId());
    std::string cBuf(10, ' ');
    READCOMM(nCom, cBuf);
    EXPECT_EQ(WRITECOMM(nCom, "x"), 1);
    EXPECT_EQ(oErrors.All().size(), 1u) << "raised once";
    ENABLECOMMNOTIFICATION(nCom, nullptr);
  }
}

// On a real serial port the device's character event waits, and under Wine
// that wait cannot be cancelled: only a new event mask ends it. The test
// prefix maps COM3 to the machine's own port, /dev/ttyS0, where it has one.
TEST(CommOpenTest, CloseEndsAWaitForTheDevicesCharacterEvent) {
  int nCom = OPENCOMM("\\\\.\\COM3");
  if (nCom < 0) GTEST_SKIP() << "this machine has no serial port of its own (/dev/ttyS0)";
  Sleep(300);  // the reader is now waiting for a character
  runtime::UniqueHandle hClosed(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  // A close that never returns would hold every later test: end the run.
  std::thread oWatchdog([&hClosed] {
    if (WaitForSingleObject(hClosed.Get(), 10000) == WAIT_TIMEOUT) {
      std::fputs("CLOSECOMM did not return within 10 s\n", stderr);
      std::_Exit(1);
    }
  });
  ULONGLONG nStart = GetTickCount64();
  EXPECT_TRUE(CLOSECOMM(nCom));
  EXPECT_LT(GetTickCount64() - nStart, 1000u);
  SetEvent(hClosed.Get());
  oWatchdog.join();
}

}  // namespace
}  // namespace qvz::serial
