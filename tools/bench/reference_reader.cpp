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

#include "line_remote/track_framer.h"
#include "remote/serial_line.h"

int main(int argc, char** argv) {
  std::string cPort = argc > 2 && std::string(argv[1]) == "--port" ? argv[2] : "COM1";
  // A read returns as soon as a byte is there (else after 50 ms with none),
  // so a header is answered as soon as it came.
  HANDLE hPort = qvz::tools::OpenLine(cPort, COMMTIMEOUTS{MAXDWORD, MAXDWORD, 50, 0, 0});
  if (hPort == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "cannot open %s\n", cPort.c_str());
    return 2;
  }
  // A window, so that the queue queries are those of a program with one.
  HWND hWnd = CreateWindowA("STATIC", "reference", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                            nullptr, nullptr);

  qvz::tools::TrackFramer oFramer;
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
      switch (oFramer.Feed(aBuf[i])) {
        case qvz::tools::TrackFramer::Event::kAnswerHeader: {
          DWORD nWritten = 0;
          WriteFile(hPort, "", 1, &nWritten, nullptr);
          break;
        }
        case qvz::tools::TrackFramer::Event::kDiskEnd: lDone = true; break;
        case qvz::tools::TrackFramer::Event::kNone: break;
      }
    }
  }
  const double nSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - tFirst).count();
  std::printf("reference: %lld bytes in %.2f s, %.0f bytes a second\n", nBytes, nSeconds, nBytes / nSeconds);
  DestroyWindow(hWnd);
  CloseHandle(hPort);
  return 0;
}
