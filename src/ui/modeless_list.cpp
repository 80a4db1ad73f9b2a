#include "ui/modeless_list.h"

#include <array>
#include <utility>

namespace qvz::ui {
namespace {

struct ModelessList {
  std::array<HWND, 1500> aSlots{};
  int nHighWater = 0;  // highest slot index in use
  HWND hLastMatched = nullptr;
};

ModelessList& List() {
  static ModelessList oList;
  return oList;
}

int& ItemHeight() {
  static int nHeight = 0;
  return nHeight;
}

}  // namespace

bool REGDIALOG(HWND hWnd) {
  ModelessList& l = List();
  for (int i = 0; i < static_cast<int>(l.aSlots.size()); ++i) {
    if (l.aSlots[i]) continue;
    l.aSlots[i] = hWnd;
    if (l.nHighWater < i) l.nHighWater = i;
    return true;
  }
  return false;
}

bool CANREGDIALOG() {
  for (HWND h : List().aSlots)
    if (!h) return true;
  return false;
}

bool DEREGDIALOG(HWND hWnd) {
  ModelessList& l = List();
  if (!hWnd) return false;
  for (int i = 0; i < static_cast<int>(l.aSlots.size()); ++i) {
    if (l.aSlots[i] != hWnd) continue;
    l.aSlots[i] = nullptr;
    if (l.hLastMatched == hWnd) l.hLastMatched = nullptr;
    if (i == l.nHighWater)
      while (l.nHighWater > 0 && !l.aSlots[l.nHighWater]) --l.nHighWater;
    return true;
  }
  return false;
}

bool OfferToModelessDialogs(MSG& msg) {
  ModelessList& l = List();
  if (l.hLastMatched && IsDialogMessageA(l.hLastMatched, &msg)) return true;
  for (int i = 0; i <= l.nHighWater; ++i) {
    HWND h = l.aSlots[i];
    if (h && IsDialogMessageA(h, &msg)) {
      l.hLastMatched = h;
      return true;
    }
  }
  return false;
}

INT_PTR CALLBACK ModelessCreationProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  switch (nMsg) {
    case WM_INITDIALOG:
      ShowWindow(hDlg, SW_HIDE);
      return 1;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(hDlg, LOWORD(wParam));
      return 0;
    case WM_MEASUREITEM:
      if (ItemHeight() > 0)
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(ItemHeight());
      return 0;
    default:
      return 0;
  }
}

int SetItemHeight(int nHeight) { return std::exchange(ItemHeight(), nHeight); }

}  // namespace qvz::ui
