// The least a receiver can do per byte, to measure the receiver against: it
// reads what arrives at a port, answers each track header the way the
// receiver does, and makes one message-queue query (PeekMessage) per byte,
// as the receiver's waits make one pump step per byte. It prints the bytes
// and the rate once "E" came.
//
//   qvz-reference [--port COM1]

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "remote/serial_line.h"

int main(int argc, char** argv) {
  std::string cPort = argc > 2 && std::string(argv[1]) == "--port" ? argv[2] : "COM1";
  HANDLE hPort = qvz::tools::OpenLine(cPort, COMMTIMEOUTS{0, 0, 50, 0, 0});
  if (hPort == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "cannot open %s\n", cPort.c_str());
    return 2;
  }
  // A window, so that the queue queries are those of a program with one.
  HWND hWnd = CreateWindowA("STATIC", "reference", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                            nullptr, nullptr);

  enum { kCommand, kHeader1, kHeader2, kData } eState = kCommand;
  int nData = 0;
  long long nBytes = 0;
  std::chrono::steady_clock::time_point tFirst;
  char aBuf[4096];
  for (bool lDone = false; !lDone;) {
    DWORD nRead = 0;
    if (!ReadFile(hPort, aBuf, sizeof aBuf, &nRead, nullptr)) return 3;
    for (DWORD i = 0; i < nRead && !lDone; ++i) {
      if (nBytes++ == 0) tFirst = std::chrono::steady_clock::now();
      MSG msg;
      if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      const char c = aBuf[i];
      switch (eState) {
        case kCommand:
          if (c == 'T') eState = kHeader1;
          if (c == 'E') lDone = true;
          break;
        case kHeader1: eState = kHeader2; break;
        case kHeader2: {
          DWORD nWritten = 0;
          WriteFile(hPort, "", 1, &nWritten, nullptr);
          eState = kData;
          nData = 0;
          break;
        }
        case kData:
          if (++nData == 4608) eState = kCommand;
          break;
      }
    }
  }
  const double nSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - tFirst).count();
  std::printf("reference: %lld bytes in %.2f s, %.0f bytes a second\n", nBytes, nSeconds, nBytes / nSeconds);
  DestroyWindow(hWnd);
  CloseHandle(hPort);
  return 0;
}
