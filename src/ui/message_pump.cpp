#include "ui/message_pump.h"

#include <versionhelpers.h>

#include "ui/framework_cells.h"
#include "ui/modeless_list.h"

namespace qvz::ui {
namespace {

// The queue-status flags of touch and pointer input (Windows 8 and later),
// which the Windows 7 headers the program is built with do not name.
constexpr UINT kQsTouch = 0x0800;
constexpr UINT kQsPointer = 0x1000;

}  // namespace

UINT AllInputMask() {
  static const UINT nMask = IsWindows8OrGreater() ? QS_ALLINPUT | kQsTouch | kQsPointer : QS_ALLINPUT;
  return nMask;
}

bool SYSREFRESH() {
  // An empty queue is told by the queue's status, which costs a fraction of
  // a message query: a wait that pumps once per received byte spends most
  // of its time here.
  if (HIWORD(GetQueueStatus(AllInputMask())) == 0) return true;
  // Nested pumps see no accelerator table while this one runs.
  HACCEL hAccel = SetAcceleratorTable(nullptr);
  const bool lWide = UnicodeSwitch();
  bool lQuit = false;
  MSG msg;
  while (lWide ? PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)
               : PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      lQuit = true;
      break;
    }
    if (!OfferToModelessDialogs(msg)) {
      HWND hApp = GETWNDAPP();
      bool lTranslated = hAccel && hApp &&
                         (lWide ? TranslateAcceleratorW(hApp, hAccel, &msg)
                                : TranslateAcceleratorA(hApp, hAccel, &msg));
      if (!lTranslated) {
        TranslateMessage(&msg);
        if (lWide)
          DispatchMessageW(&msg);
        else
          DispatchMessageA(&msg);
      }
    }
    if (msg.message == WM_CHAR) SetLastChar(static_cast<unsigned>(msg.wParam));
  }
  if (lQuit && LWRUNNING()) PostQuitMessage(0);
  SetAcceleratorTable(hAccel);
  return !lQuit;
}

}  // namespace qvz::ui
