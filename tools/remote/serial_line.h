#pragma once
// Opening the far end of a serial line, as the remote machine's programs do:
// blocking I/O at 57600 baud, 8 data bits, no parity, 1 stop bit.

#include <windows.h>

#include <string>

namespace qvz::tools {

// The open port ("COM2", or "\\.\COM2"), or INVALID_HANDLE_VALUE.
inline HANDLE OpenLine(const std::string& cPort, COMMTIMEOUTS timeouts) {
  const std::string cDevice = cPort.rfind("\\\\.\\", 0) == 0 ? cPort : "\\\\.\\" + cPort;
  HANDLE hPort = CreateFileA(cDevice.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (hPort == INVALID_HANDLE_VALUE) return hPort;
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  BuildCommDCBA("57600,N,8,1", &dcb);
  dcb.fBinary = TRUE;
  dcb.XonChar = 0x11;
  dcb.XoffChar = 0x13;
  SetCommState(hPort, &dcb);
  SetCommTimeouts(hPort, &timeouts);
  return hPort;
}

}  // namespace qvz::tools
