#include "ui/client_fill.h"

namespace qvz::ui {
namespace {

int HeightOf(HWND hWnd) {
  RECT r{};
  if (!hWnd || !GetWindowRect(hWnd, &r)) return 0;
  return r.bottom - r.top;
}

int WidthOf(HWND hWnd) {
  RECT r{};
  if (!hWnd || !GetWindowRect(hWnd, &r)) return 0;
  return r.right - r.left;
}

bool IsToolbar(HWND hWnd) {
  char aClass[32] = {};
  return hWnd && GetClassNameA(hWnd, aClass, sizeof aClass) &&
         lstrcmpiA(aClass, "ToolbarWindow32") == 0;
}

bool HasParentOrOwner(HWND hWnd) {
  if (GetWindow(hWnd, GW_OWNER)) return true;
  return (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) && GetParent(hWnd);
}

}  // namespace

void WNDADJCLIENT(HWND hWnd, HWND hTop, HWND hBottom, HWND hLeft, HWND hRight, int nBevel) {
  int nTop = HeightOf(hTop) + (IsToolbar(hTop) ? 2 : 0);
  int nBottom = HeightOf(hBottom);
  int nLeft = hLeft ? WidthOf(hLeft) - 1 : 0;
  int nRight = WidthOf(hRight);
  const HWND hParent = GetParent(hWnd);
  RECT rClient{};
  GetClientRect(hParent, &rClient);
  const int nWidth = rClient.right - rClient.left, nHeight = rClient.bottom - rClient.top;

  if (nBevel > 0) {
    nTop += nBevel, nBottom += nBevel, nLeft += nBevel, nRight += nBevel;
    MoveWindow(hWnd, nLeft, nTop, nWidth - nLeft - nRight, nHeight - nTop - nBottom, TRUE);
  } else if (!HasParentOrOwner(hParent)) {
    MoveWindow(hWnd, nLeft - 1, nTop ? nTop - 2 : -1, nWidth - nLeft - nRight + 2,
               nHeight - nTop - nBottom + 3, TRUE);
  } else {
    MoveWindow(hWnd, nLeft, nTop ? nTop - 2 : 0, nWidth - nLeft - nRight,
               nHeight - nTop - nBottom + (nTop ? 2 : 1), TRUE);
  }
}

}  // namespace qvz::ui
