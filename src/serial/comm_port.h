#pragma once
// The record of one open port, shared by the GUI thread and the port's reader.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>

#include "runtime/unique_handle.h"
#include "serial/port_ring.h"

namespace qvz::serial {

struct CommPort {
  int nHandle = 0;                   // set once at open; the notify message's wParam
  runtime::UniqueHandle hComm;       // the device; closed after the reader has ended
  PortRing ring;                     // see PortRing for who writes what
  std::atomic<HWND> hWndNotify{nullptr};  // written by the GUI thread, read by the reader once a cycle
  // Until when (runtime::MilliSeconds) the reader may keep new bytes back;
  // written by the GUI thread (HOLDCOMMNOTIFICATION), read by the reader
  // before each notification.
  std::atomic<std::int64_t> nHoldUntilMs{0};
  std::atomic<bool> lStop{false};    // written by CLOSECOMM; the reader looks at it in every step
  runtime::UniqueHandle hStop;       // manual-reset; set by CLOSECOMM after lStop, ends the reader's waits
  std::atomic<bool> lAwaitsRoom{false};  // written by the reader around its wait for room in a full ring
  runtime::UniqueHandle hRoom;       // auto-reset; set by READCOMM when it frees room the reader awaits
  runtime::UniqueHandle hReaderIo;   // manual-reset; the event of the reader's own I/O record
  runtime::UniqueHandle hThread;     // the reader thread
  // A failure that ended the reader. Written by the reader thread as its
  // last act, before it sets lReaderFailed (release); taken by the GUI thread
  // once it has seen lReaderFailed (acquire) and cleared it.
  std::exception_ptr pReaderFailure;
  std::atomic<bool> lReaderFailed{false};
};

// The open port with this handle, or null. GUI thread only.
CommPort* FindPort(int nCom);

// The reader thread's start routine; its argument is the CommPort.
DWORD WINAPI CommReaderThread(LPVOID pPort);

// The reader thread's boundary: runs bRead, and when it fails keeps the
// failure in the port (the reader has then ended) and posts the notify
// message to the registered window, so that the GUI thread soon calls on
// the port and raises it there. Reader thread only.
void RunReaderGuarded(CommPort& oPort, const std::function<void()>& bRead) noexcept;

// Hands a failure that ended the port's reader to the error block, once.
// GUI thread only: the error block is the GUI thread's.
void RaiseReaderFailure(CommPort& oPort);

// Read timeout of the reader's waiting read, and so the longest a stop waits
// when the platform cannot cancel a pending read.
constexpr DWORD kReaderReadTimeoutMs = 250;

}  // namespace qvz::serial
