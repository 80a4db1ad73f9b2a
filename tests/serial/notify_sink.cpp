#include "notify_sink.h"

#include "harness/pump.h"
#include "serial/comm.h"

namespace qvz::serial {

NotifySink::NotifySink(int nCom) : nCom(nCom) {
  static const ATOM kClass = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QvzNotifySink";
    return RegisterClassA(&wc);
  }();
  hWnd = CreateWindowA(MAKEINTATOM(kClass), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                       GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

NotifySink::~NotifySink() { DestroyWindow(hWnd); }

LRESULT CALLBACK NotifySink::Proc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<NotifySink*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
  if (nMsg != WM_COMMNOTIFY || !self) return DefWindowProcA(hWnd, nMsg, wParam, lParam);
  ++self->nNotifications;
  self->nHandlerThread = GetCurrentThreadId();
  self->nLastWParam = wParam;
  self->nLastLParam = lParam;
  ENABLECOMMNOTIFICATION(self->nCom, nullptr);
  std::string cBuf(1000, ' ');
  int n = READCOMM(self->nCom, cBuf);
  if (n > 0) self->cReceived.append(cBuf, 0, n);
  ENABLECOMMNOTIFICATION(self->nCom, hWnd);
  return 0;
}

bool NotifySink::PumpUntil(size_t nCount, DWORD nTimeoutMs) {
  return test::PumpUntil([&] { return cReceived.size() >= nCount; }, nTimeoutMs);
}

}  // namespace qvz::serial
