#include "serial/comm.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

#include "runtime/clock.h"
#include "runtime/error_block.h"
#include "serial/comm_port.h"

namespace qvz::serial {
namespace {

// The driver's queue sizes when OPENCOMM is not given them.
constexpr DWORD kDefaultInQueue = 1024;
constexpr DWORD kDefaultOutQueue = 128;

// The table of open ports. Only the GUI thread touches it; a reader thread
// holds its own port's record directly. Handles count up and are never
// reused, so a stale handle can never reach a newer port.
struct PortTable {
  std::map<int, std::unique_ptr<CommPort>> mPorts;
  int nLastHandle = 0;
};

PortTable& Table() {
  static PortTable oTable;
  return oTable;
}

// The error of the last OPENCOMM; GUI thread only, like the table.
DWORD& LastOpenError() {
  static DWORD nError = ERROR_SUCCESS;
  return nError;
}

// Called on the line after the platform call that failed: keeps its error.
int OpenFailed() {
  LastOpenError() = GetLastError();
  return -1;
}

// A new unnamed event in hEvent; false when the platform refused one.
bool MakeEvent(runtime::UniqueHandle& hEvent, BOOL lManualReset) {
  hEvent.Reset(CreateEventA(nullptr, lManualReset, FALSE, nullptr));
  return static_cast<bool>(hEvent);
}

// Waits for the reader thread to end. The reader may be blocked sending a
// notification to a window of this very thread, so the wait lets messages
// sent from other threads in while it waits; nothing else is dispatched.
void WaitForReaderEnd(HANDLE hThread) {
  for (;;) {
    DWORD nWait = MsgWaitForMultipleObjects(1, &hThread, FALSE, INFINITE, QS_SENDMESSAGE);
    if (nWait != WAIT_OBJECT_0 + 1) return;
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace

CommPort* FindPort(int nCom) {
  auto& mPorts = Table().mPorts;
  auto it = mPorts.find(nCom);
  return it == mPorts.end() ? nullptr : it->second.get();
}

DWORD OpenCommError() { return LastOpenError(); }

void RaiseReaderFailure(CommPort& oPort) {
  if (!oPort.lReaderFailed.exchange(false, std::memory_order_acquire)) return;
  runtime::DeliverToErrorBlock(std::exchange(oPort.pReaderFailure, nullptr));
}

namespace {

// The open port with this handle, after raising a failure that ended its
// reader; null for a handle that is not open.
CommPort* UsablePort(int nCom) {
  CommPort* oPort = FindPort(nCom);
  if (!oPort) return nullptr;
  RaiseReaderFailure(*oPort);
  return FindPort(nCom);  // the error's handling pumps messages, which may close the port
}

}  // namespace

DWORD QueueSize(std::optional<long long> nArg, DWORD nDefault) {
  if (!nArg) return nDefault;
  return static_cast<DWORD>(static_cast<unsigned long long>(*nArg) & 0xFFFF);
}

int OPENCOMM(const std::string& cDevice, std::optional<long long> nInQueue,
             std::optional<long long> nOutQueue) {
  auto oPort = std::make_unique<CommPort>();
  oPort->hComm.Reset(CreateFileA(cDevice.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL,
                                 nullptr));
  if (!oPort->hComm) return OpenFailed();
  HANDLE hComm = oPort->hComm.Get();

  // Failures of these three are not fatal: a device that refuses one (a pty
  // refuses DTR) still carries bytes.
  SetupComm(hComm, QueueSize(nInQueue, kDefaultInQueue), QueueSize(nOutQueue, kDefaultOutQueue));
  SetCommMask(hComm, EV_RXCHAR);
  EscapeCommFunction(hComm, SETDTR);

  // The reader's waiting read returns after this long with nothing, so that
  // it never blocks a stop for longer even where a pending read cannot be
  // cancelled. Writes have no time limit.
  COMMTIMEOUTS timeouts{0, 0, kReaderReadTimeoutMs, 0, 0};
  SetCommTimeouts(hComm, &timeouts);

  if (!MakeEvent(oPort->hStop, TRUE) || !MakeEvent(oPort->hRoom, FALSE) || !MakeEvent(oPort->hReaderIo, TRUE))
    return OpenFailed();

  PortTable& oTable = Table();
  oPort->nHandle = ++oTable.nLastHandle;
  DWORD nThreadId = 0;
  oPort->hThread.Reset(CreateThread(nullptr, 0, CommReaderThread, oPort.get(), 0, &nThreadId));
  if (!oPort->hThread) return OpenFailed();

  LastOpenError() = ERROR_SUCCESS;
  int nHandle = oPort->nHandle;
  oTable.mPorts.emplace(nHandle, std::move(oPort));
  return nHandle;
}

// The reader is stopped cooperatively, not terminated: a thread ended from
// outside can die holding a lock of the process (the heap's). The stop flag
// is looked at in every step and before every notification, the stop event
// ends its waits, CancelIoEx its pending I/O.
bool CLOSECOMM(int nCom) {
  auto& mPorts = Table().mPorts;
  auto it = mPorts.find(nCom);
  if (it == mPorts.end()) return false;
  // Out of the table first: from here on the handle is closed for every
  // caller, also for a notify handler that runs while the close waits.
  std::unique_ptr<CommPort> oPort = std::move(it->second);
  mPorts.erase(it);

  oPort->lStop.store(true);
  SetEvent(oPort->hStop.Get());
  CancelIoEx(oPort->hComm.Get(), nullptr);
  WaitForReaderEnd(oPort->hThread.Get());
  return true;  // the record and its handles go with oPort
}

int READCOMM(int nCom, std::string& cBuf) {
  CommPort* oPort = UsablePort(nCom);
  if (!oPort || cBuf.empty()) return 0;
  int nCount = oPort->ring.Take(cBuf.data(), cBuf.size());
  // The event is a call to the platform: made only for a reader that waits.
  // The fence pairs with the reader's (see WaitForRoom): either the reader
  // sees the room, or this sees that it waits.
  std::atomic_thread_fence(std::memory_order_seq_cst);
  if (nCount > 0 && oPort->lAwaitsRoom.load(std::memory_order_relaxed)) SetEvent(oPort->hRoom.Get());
  return nCount;
}

// Counts are plain ints: data of 32768 bytes or more is written whole and its
// full count returned, rather than a count cut to 16 bits.
int WRITECOMM(int nCom, const std::string& cData) {
  CommPort* oPort = UsablePort(nCom);
  if (!oPort) return 0;
  HANDLE hComm = oPort->hComm.Get();
  runtime::UniqueHandle hDone(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!hDone) return 0;
  OVERLAPPED ovWrite{};
  ovWrite.hEvent = hDone.Get();
  const DWORD nLength = static_cast<DWORD>(cData.size());
  if (!WriteFile(hComm, cData.data(), nLength, nullptr, &ovWrite) &&
      GetLastError() != ERROR_IO_PENDING) {
    return 0;  // failed at once: its event would never be set
  }
  WaitForSingleObject(hDone.Get(), INFINITE);
  DWORD nWritten = 0;
  if (!GetOverlappedResult(hComm, &ovWrite, &nWritten, FALSE)) return 0;
  return static_cast<int>(nWritten);
}

bool HOLDCOMMNOTIFICATION(int nCom, long long nMs) {
  CommPort* oPort = UsablePort(nCom);
  if (!oPort) return false;
  oPort->nHoldUntilMs.store(nMs > 0 ? runtime::MilliSeconds() + nMs : 0, std::memory_order_release);
  return true;
}

bool ENABLECOMMNOTIFICATION(int nCom, HWND hWnd, std::optional<long long>,
                            std::optional<long long>) {
  CommPort* oPort = UsablePort(nCom);
  if (!oPort) return false;
  oPort->hWndNotify.store(hWnd, std::memory_order_release);
  return true;
}

}  // namespace qvz::serial
