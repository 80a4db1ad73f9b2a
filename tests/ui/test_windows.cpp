#include "test_windows.h"

namespace qvz::ui::testing {
namespace {

LRESULT CALLBACK PlainProc(HWND hWnd, UINT nMsg, WPARAM w, LPARAM l) {
  if (nMsg == WM_KEYDOWN) {
    SetPropA(hWnd, "keys", reinterpret_cast<HANDLE>(reinterpret_cast<INT_PTR>(GetPropA(hWnd, "keys")) + 1));
    return kPlainResult;
  }
  if (nMsg == WM_COMMNOTIFY) return kPlainResult;
  if (nMsg == WM_NCDESTROY) RemovePropA(hWnd, "keys");
  return IsWindowUnicode(hWnd) ? DefWindowProcW(hWnd, nMsg, w, l) : DefWindowProcA(hWnd, nMsg, w, l);
}

}  // namespace

HWND CreatePlainWindow(bool lWide) {
  static const bool lRegistered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QvzPlainA";
    RegisterClassA(&wc);
    WNDCLASSW ww{};
    ww.lpfnWndProc = PlainProc;
    ww.hInstance = GetModuleHandleW(nullptr);
    ww.lpszClassName = L"QvzPlainW";
    RegisterClassW(&ww);
    return true;
  }();
  (void)lRegistered;
  if (lWide)
    return CreateWindowW(L"QvzPlainW", L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
  return CreateWindowA("QvzPlainA", "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                       GetModuleHandleA(nullptr), nullptr);
}

int PlainKeyDowns(HWND hWnd) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(hWnd, "keys")));
}

std::string EmptyDialogTemplate() {
  std::string c(sizeof(DLGTEMPLATE) + 3 * sizeof(WORD) + 2, '\0');
  auto* t = reinterpret_cast<DLGTEMPLATE*>(c.data());
  t->style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  t->cx = 100;
  t->cy = 60;
  return c;  // menu, class and title all empty
}

}  // namespace qvz::ui::testing
