#include "ui/framework_cells.h"

#include <utility>

namespace qvz::ui {
namespace {

struct Cells {
  bool lLoopRunning = false;
  bool lUnicode = false;
  HWND hWndApp = nullptr;
  HACCEL hAccel = nullptr;
  unsigned nLastChar = 0;
};

Cells& TheCells() {
  static Cells oCells;
  return oCells;
}

}  // namespace

bool LWRUNNING() { return TheCells().lLoopRunning; }
bool SetLoopRunning(bool lRunning) { return std::exchange(TheCells().lLoopRunning, lRunning); }
bool UnicodeSwitch() { return TheCells().lUnicode; }
bool SetUnicodeSwitch(bool lOn) { return std::exchange(TheCells().lUnicode, lOn); }
HWND GETWNDAPP() { return TheCells().hWndApp; }
void SETWNDAPP(HWND hWnd) {
  if (!TheCells().hWndApp) TheCells().hWndApp = hWnd;
}
HACCEL AcceleratorTable() { return TheCells().hAccel; }
HACCEL SetAcceleratorTable(HACCEL hTable) { return std::exchange(TheCells().hAccel, hTable); }
unsigned LastChar() { return TheCells().nLastChar; }
void SetLastChar(unsigned nChar) { TheCells().nLastChar = nChar & 0xFFFF; }

}  // namespace qvz::ui
