#pragma once
// The record of one open port, shared by the GUI thread and the port's reader.

#include <windows.h>

#include <atomic>

#include "runtime/unique_handle.h"
#include "serial/port_ring.h"

namespace qvz::serial {

struct CommPort {
  int nHandle = 0;                   // set once at open; the notify message's wParam
  runtime::UniqueHandle hComm;       // the device; closed after the reader has ended
  PortRing ring;                     // see PortRing for who writes what
  std::atomic<HWND> hWndNotify{nullptr};  // written by the GUI thread, read by the reader once a cycle
  runtime::UniqueHandle hStop;       // manual-reset; set by CLOSECOMM, ends the reader's waits
  runtime::UniqueHandle hRoom;       // auto-reset; set by READCOMM when it frees ring room
  runtime::UniqueHandle hReaderIo;   // manual-reset; the event of the reader's own I/O record
  runtime::UniqueHandle hThread;     // the reader thread
};

// The open port with this handle, or null. GUI thread only.
CommPort* FindPort(int nCom);

// The reader thread's start routine; its argument is the CommPort.
DWORD WINAPI CommReaderThread(LPVOID pPort);

// Read timeout of the reader's waiting read, and so the longest a stop waits
// when the platform cannot cancel a pending read.
constexpr DWORD kReaderReadTimeoutMs = 250;

}  // namespace qvz::serial
