// The background reader of one port: moves every byte that arrives at the
// device into the port's ring and announces it to the registered window.
//
// Each cycle reads what waits in the driver's queue, never more than 1023
// bytes nor more than the ring has room for (the rest waits in the driver,
// so nothing is lost when the GUI thread falls behind), and then sends one
// notification. While the ring still holds bytes after a notification that
// took some, it notifies again at once, so no byte sits in the ring unseen
// while the remote waits for an answer.
//
// Waiting for data: the device's character event where it works, else (it
// returns at once with nothing, as on a pty under Wine) a one-byte read with
// a time limit, which blocks without using the processor. A device that
// keeps failing at once (a pulled adapter) makes the reader back off.
//
// An exception ends the reader: it is kept in the port for the GUI thread,
// which raises it (the error block is not for this thread).

#include <windows.h>

#include <algorithm>
#include <exception>

#include "runtime/clock.h"
#include "runtime/unique_handle.h"
#include "serial/comm.h"
#include "serial/comm_port.h"

namespace qvz::serial {
namespace {

enum class Wake { kData, kIdle, kFailed, kStop };

// A read that brings this many bytes at once comes from a sender faster
// than the line a hold is for (at 57600 baud a reader's cycle brings a few).
constexpr DWORD kBurstBytes = 64;

// The most one cycle reads, and the reader's buffer.
constexpr DWORD kMostACycle = 1023;
constexpr std::size_t kBufferBytes = kMostACycle + 1;

class CommReader {
 public:
  explicit CommReader(CommPort& oPort)
      : oPort(oPort), hComm(oPort.hComm.Get()), hIoDone(oPort.hReaderIo.Get()) {}

  void Run();

 private:
  bool Stopping() const { return oPort.lStop.load(std::memory_order_acquire); }
  DWORD QueuedCount();
  Wake WaitForRoom();
  Wake WaitForData();
  Wake WaitForCharEvent();
  Wake WaitWithRead();
  bool Complete(DWORD& nTransferred);
  bool ReadQueued(DWORD nCount, DWORD& nRead);
  bool HoldBack(DWORD nQueued);
  void Notify();
  void BackOff();

  CommPort& oPort;
  HANDLE hComm;
  HANDLE hIoDone;  // the event of the reader's own I/O record
  OVERLAPPED ov{};
  char aBuffer[kBufferBytes];
  bool lCharEventWorks = true;
  int nEmptyEvents = 0;    // character waits in a row that found nothing queued
  int nFailures = 0;       // waits in a row that failed at once
  bool lAnnounce = false;  // something arrived that no notification has told yet
  bool lTaken = false;     // the last notification took bytes from the ring
  std::int64_t nHeldSinceMs = 0;  // when the oldest byte not announced yet came; 0: none kept back
  bool lHeld = false;      // the last wait was a hold
  bool lBurst = false;     // the last read brought many bytes at once, not after a hold
};

void CommReader::Run() {
  SetCommMask(hComm, EV_RXCHAR);
  while (!Stopping()) {
    const DWORD nQueued = QueuedCount();
    const int nRoom = oPort.ring.Room();
    if (nQueued > 0 && nRoom > 0) {
      DWORD nWanted = std::min<DWORD>({nQueued, kMostACycle, static_cast<DWORD>(nRoom)});
      DWORD nRead = 0;
      bool lRead = ReadQueued(nWanted, nRead);
      if (Stopping()) return;
      oPort.ring.Put(aBuffer, static_cast<int>(nRead));
      if (!lRead) {
        BackOff();
        continue;
      }
      nFailures = 0;
      lAnnounce = true;
      lBurst = nRead >= kBurstBytes && !lHeld;
      lHeld = false;
    } else if (!lAnnounce && !(lTaken && !oPort.ring.Empty())) {
      Wake eWake = nRoom == 0 ? WaitForRoom() : WaitForData();
      if (eWake == Wake::kStop) return;
      if (eWake == Wake::kFailed) BackOff();
      continue;  // read what the wait found, or wait again
    }
    if (HoldBack(nQueued)) continue;  // then reads what came meanwhile
    Notify();
  }
}

DWORD CommReader::QueuedCount() {
  COMSTAT stat{};
  DWORD nErrors = 0;
  if (!ClearCommError(hComm, &nErrors, &stat)) return 0;
  return stat.cbInQue;
}

// READCOMM sets hRoom only while lAwaitsRoom is set. The flag goes up
// before the ring is looked at again, each side with a full fence, so room
// freed meanwhile is either seen here or announced by the event.
Wake CommReader::WaitForRoom() {
  oPort.lAwaitsRoom.store(true, std::memory_order_relaxed);
  std::atomic_thread_fence(std::memory_order_seq_cst);
  Wake eWake = Wake::kData;
  if (oPort.ring.Room() == 0) {
    HANDLE aWait[2] = {oPort.hStop.Get(), oPort.hRoom.Get()};
    if (WaitForMultipleObjects(2, aWait, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) eWake = Wake::kStop;
  }
  oPort.lAwaitsRoom.store(false, std::memory_order_relaxed);
  return eWake;
}

Wake CommReader::WaitForData() {
  Wake eWake = lCharEventWorks ? WaitForCharEvent() : WaitWithRead();
  if (eWake == Wake::kData) nFailures = 0;
  return eWake;
}

// Waits for a pending operation on ov, or for the stop. On a stop the
// operation is cancelled and waited for, so the record is free again.
bool CommReader::Complete(DWORD& nTransferred) {
  HANDLE aWait[2] = {oPort.hStop.Get(), hIoDone};
  if (WaitForMultipleObjects(2, aWait, FALSE, INFINITE) == WAIT_OBJECT_0) {
    // Setting the mask again ends a pending character wait: the platform's
    // own way, and under Wine the only one (it cannot cancel that wait).
    SetCommMask(hComm, EV_RXCHAR);
    CancelIoEx(hComm, &ov);
    GetOverlappedResult(hComm, &ov, &nTransferred, TRUE);
    return false;
  }
  return GetOverlappedResult(hComm, &ov, &nTransferred, FALSE) != FALSE;
}

Wake CommReader::WaitForCharEvent() {
  DWORD nMask = 0;
  ov = OVERLAPPED{};
  ov.hEvent = hIoDone;
  bool lDone = WaitCommEvent(hComm, &nMask, &ov) != FALSE;
  if (!lDone && GetLastError() == ERROR_IO_PENDING) {
    DWORD nUnused = 0;
    lDone = Complete(nUnused);
    if (Stopping()) return Wake::kStop;
  }
  if (lDone && (nMask & EV_RXCHAR) && QueuedCount() > 0) {
    nEmptyEvents = 0;
    return Wake::kData;
  }
  // A wait that ends with nothing queued, again and again, is a device whose
  // character event does not wait; from then on the reader waits by reading.
  if (++nEmptyEvents >= 3) lCharEventWorks = false;
  if (lDone && (nMask & EV_RXCHAR)) {
    lAnnounce = true;  // an event is a cycle, also when it brought no byte
    return Wake::kData;
  }
  return Wake::kIdle;
}

Wake CommReader::WaitWithRead() {
  ov = OVERLAPPED{};
  ov.hEvent = hIoDone;
  const ULONGLONG nStart = GetTickCount64();
  DWORD nRead = 0;
  bool lDone = ReadFile(hComm, aBuffer, 1, &nRead, &ov) != FALSE;
  if (!lDone && GetLastError() != ERROR_IO_PENDING) return Wake::kFailed;
  if (!lDone) Complete(nRead);
  if (nRead == 1) {
    oPort.ring.Put(aBuffer, 1);  // first in the ring, before what follows it
    lAnnounce = true;
  }
  if (Stopping()) return Wake::kStop;
  if (nRead == 1) return Wake::kData;
  // Nothing came. A time-out (an error under Wine, 0 bytes on Windows) is
  // idle; the same result long before the limit is a failing device.
  bool lTimedOut = GetTickCount64() - nStart >= kReaderReadTimeoutMs / 2;
  return lTimedOut ? Wake::kIdle : Wake::kFailed;
}

bool CommReader::ReadQueued(DWORD nCount, DWORD& nRead) {
  ov = OVERLAPPED{};
  ov.hEvent = hIoDone;
  if (ReadFile(hComm, aBuffer, nCount, &nRead, &ov)) return true;
  if (GetLastError() != ERROR_IO_PENDING) return false;
  // The bytes were already queued, so this completes almost at once; it is
  // waited for all the same, so that none of them is lost.
  return Complete(nRead);
}

// Waits while the window lets new bytes be kept back: until its hold ends,
// the oldest byte has waited kLongestHoldMs, or a stop. A hold is for bytes
// that trickle in: a large batch goes at once (so does what a notification
// left in the ring: over 1000 bytes), and so do the bytes of a sender faster
// than a hold is meant for, which come many to a read.
bool CommReader::HoldBack(DWORD nQueued) {
  constexpr int kHoldBatchBytes = 512;
  // No hold (the common case outside a track) costs no clock reading.
  const std::int64_t nHoldUntilMs = oPort.nHoldUntilMs.load(std::memory_order_acquire);
  if (nHoldUntilMs == 0 || lBurst || oPort.ring.Used() + static_cast<std::int64_t>(nQueued) >= kHoldBatchBytes)
    return false;
  const std::int64_t nNow = runtime::MilliSeconds();
  if (nHeldSinceMs == 0) nHeldSinceMs = nNow;
  const std::int64_t nUntil = std::min(nHoldUntilMs, nHeldSinceMs + kLongestHoldMs);
  if (nUntil <= nNow) return false;
  WaitForSingleObject(oPort.hStop.Get(), static_cast<DWORD>(nUntil - nNow));
  lHeld = true;
  return true;
}

void CommReader::Notify() {
  lAnnounce = false;
  nHeldSinceMs = 0;
  HWND hWnd = oPort.hWndNotify.load(std::memory_order_acquire);
  if (!hWnd || Stopping()) {
    lTaken = false;
    return;
  }
  const auto nBefore = oPort.ring.ReadPos();
  SendMessageA(hWnd, WM_COMMNOTIFY, static_cast<WPARAM>(oPort.nHandle), 1);
  lTaken = oPort.ring.ReadPos() != nBefore;
}

void CommReader::BackOff() {
  nFailures = std::min(nFailures + 1, 7);
  WaitForSingleObject(oPort.hStop.Get(), 10u << nFailures);  // 20 ms up to 1.28 s
}

}  // namespace

void RunReaderGuarded(CommPort& oPort, const std::function<void()>& bRead) noexcept {
  try {
    bRead();
  } catch (...) {
    oPort.pReaderFailure = std::current_exception();
    oPort.lReaderFailed.store(true, std::memory_order_release);
    // Posted, not sent: nothing waits for the GUI thread any more.
    if (HWND hWnd = oPort.hWndNotify.load(std::memory_order_acquire))
      PostMessageA(hWnd, WM_COMMNOTIFY, static_cast<WPARAM>(oPort.nHandle), 1);
  }
}

DWORD WINAPI CommReaderThread(LPVOID pPort) {
  CommPort& oPort = *static_cast<CommPort*>(pPort);
  RunReaderGuarded(oPort, [&oPort] { CommReader(oPort).Run(); });
  return 0;
}

}  // namespace qvz::serial
