#include "ui/window_geometry.h"

namespace qvz::ui {
namespace {

// The window whose client coordinates MoveWindow takes for hWnd: its parent
// for a child window, the screen (0) for any other.
HWND CoordinateWindowOf(HWND hWnd) {
  return (GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD) ? GetParent(hWnd) : nullptr;
}

}  // namespace

int GETDLGBASEUNITS() { return static_cast<int>(GetDialogBaseUnits()); }

WndRect GETWNDRECT(HWND hWnd) {
  RECT r{};
  if (!hWnd || !GetWindowRect(hWnd, &r)) return {};
  return {r.top, r.left, r.bottom, r.right};
}

void WNDCENTER(HWND hWnd, HWND hParent) {
  RECT rWindow{};
  if (!GetWindowRect(hWnd, &rWindow)) return;
  RECT rArea{};
  if (hParent && IsWindow(hParent)) {
    GetClientRect(hParent, &rArea);
    // The parent's client area is taken into the coordinates hWnd is moved
    // in: a dialog owned by hParent then lands over it, not at the same
    // distance from the screen's corner as from the parent's.
    MapWindowPoints(hParent, CoordinateWindowOf(hWnd), reinterpret_cast<POINT*>(&rArea), 2);
  } else {
    GetWindowRect(GetDesktopWindow(), &rArea);
  }
  const int nWidth = rWindow.right - rWindow.left;
  const int nHeight = rWindow.bottom - rWindow.top;
  const int nX = rArea.left + (rArea.right - rArea.left) / 2 - nWidth / 2;
  const int nY = rArea.top + (rArea.bottom - rArea.top) / 2 - nHeight / 2;
  MoveWindow(hWnd, nX, nY, nWidth, nHeight, TRUE);
}

}  // namespace qvz::ui
