#pragma once
// A window of the test thread that drains a port the way the receiver does:
// on each notification, notification off, at most 1000 bytes out of the
// ring, notification on again.

#include <windows.h>

#include <string>

namespace qvz::serial {

class NotifySink {
 public:
  explicit NotifySink(int nCom);
  ~NotifySink();
  NotifySink(const NotifySink&) = delete;
  NotifySink& operator=(const NotifySink&) = delete;

  HWND Window() const { return hWnd; }
  // Pumps until nCount bytes were drained or nTimeoutMs passed.
  bool PumpUntil(size_t nCount, DWORD nTimeoutMs = 5000);

  std::string cReceived;
  int nNotifications = 0;
  DWORD nHandlerThread = 0;
  WPARAM nLastWParam = 0;
  LPARAM nLastLParam = 0;

 private:
  static LRESULT CALLBACK Proc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
  int nCom;
  HWND hWnd = nullptr;
};

}  // namespace qvz::serial
