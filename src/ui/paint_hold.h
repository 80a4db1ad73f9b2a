#pragma once
// Holds the painting of a window while it changes: the changes are made at
// once, and shown all together by the next paint after the hold ends,
// which the next pump step dispatches.

#include <windows.h>

namespace qvz::ui {

class PaintHold {
 public:
  explicit PaintHold(HWND hWnd);
  ~PaintHold();
  PaintHold(const PaintHold&) = delete;
  PaintHold& operator=(const PaintHold&) = delete;

 private:
  HWND hWnd;
  bool lHeld = false;
};

}  // namespace qvz::ui
