#pragma once
// A mouse cursor that a window shows while the mouse is over it.

#include <windows.h>

namespace qvz::ui {

class TCursor {
 public:
  // The system's wait cursor. System cursors are shared and never destroyed.
  static TCursor Wait() { return TCursor(LoadCursorA(nullptr, IDC_WAIT)); }

  HCURSOR hCursor;

 private:
  explicit TCursor(HCURSOR hCursor) : hCursor(hCursor) {}
};

}  // namespace qvz::ui
