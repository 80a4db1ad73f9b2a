#include "test_window.h"

#include <cstring>
#include <vector>

#include "ui/dialog_template.h"

namespace qvz::ui::test {
namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT nMsg, WPARAM, LPARAM) { return nMsg == WM_INITDIALOG; }

constexpr const char* kKeyCount = "keys";

LRESULT CALLBACK PlainProc(HWND hWnd, UINT nMsg, WPARAM w, LPARAM l) {
  if (nMsg == WM_KEYDOWN) {
    SetPropA(hWnd, kKeyCount, reinterpret_cast<HANDLE>(reinterpret_cast<INT_PTR>(GetPropA(hWnd, kKeyCount)) + 1));
    return kPlainResult;
  }
  if (nMsg == WM_COMMNOTIFY) return kPlainResult;
  if (nMsg == WM_NCDESTROY) RemovePropA(hWnd, kKeyCount);
  return IsWindowUnicode(hWnd) ? DefWindowProcW(hWnd, nMsg, w, l) : DefWindowProcA(hWnd, nMsg, w, l);
}

}  // namespace

UniqueWindow MakeWindow(DWORD nStyle, int nX, int nY, int nWidth, int nHeight, HWND hParent) {
  return UniqueWindow(CreateWindowExW(0, L"STATIC", L"", nStyle, nX, nY, nWidth, nHeight, hParent,
                                      nullptr, GetModuleHandleW(nullptr), nullptr));
}

UniqueWindow MakeDialog(const std::string& cTemplate, HWND hOwner) {
  // The platform wants the template on a 4-byte boundary.
  std::vector<DWORD> aAligned((cTemplate.size() + 3) / 4);
  std::memcpy(aAligned.data(), cTemplate.data(), cTemplate.size());
  return UniqueWindow(CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                                 reinterpret_cast<const DLGTEMPLATE*>(aAligned.data()),
                                                 hOwner, QuietDialogProc, 0));
}

std::string DialogHeader(int nItems) {
  return CDLG2CHR(nItems, 0, 0, 120, 160, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
}

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
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(hWnd, kKeyCount)));
}

}  // namespace qvz::ui::test
