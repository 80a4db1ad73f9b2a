#pragma once
// Geometry a dialog needs while it is created: the platform's dialog base
// units, a window's rectangle, and centring. GUI thread only.

#include <windows.h>

namespace qvz::ui {

// A window rectangle in screen coordinates; right and bottom lie just outside.
struct WndRect {
  int nTop = 0;
  int nLeft = 0;
  int nBottom = 0;
  int nRight = 0;
  friend bool operator==(const WndRect&, const WndRect&) = default;
};

// The dialog base units of the system font: horizontal in the low 16 bits,
// vertical in the high 16 bits.
int GETDLGBASEUNITS();

// The rectangle of hWnd; all zero for handle 0 or a handle that names no window.
WndRect GETWNDRECT(HWND hWnd);

// Moves hWnd, keeping its size and repainting it, so that it is centred over
// the client area of hParent or, when hParent is 0 or no window, over the
// desktop window. Each half is cut towards zero.
void WNDCENTER(HWND hWnd, HWND hParent);

}  // namespace qvz::ui
