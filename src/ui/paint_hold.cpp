#include "ui/paint_hold.h"

namespace qvz::ui {

// The default window procedure's redraw switch, called directly: a control
// may handle WM_SETREDRAW itself without it (Wine's EDIT does, and goes on
// redrawing its scroll bar at every change of the text).
PaintHold::PaintHold(HWND hWnd) : hWnd(hWnd) {
  if (!hWnd || !IsWindowVisible(hWnd)) return;
  DefWindowProcW(hWnd, WM_SETREDRAW, FALSE, 0);
  lHeld = true;
}

PaintHold::~PaintHold() {
  if (!lHeld || !IsWindow(hWnd)) return;
  DefWindowProcW(hWnd, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

}  // namespace qvz::ui
