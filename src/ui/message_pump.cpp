#include "ui/message_pump.h"

#include <windows.h>

#include "ui/framework_cells.h"
#include "ui/modeless_list.h"

namespace qvz::ui {

bool SYSREFRESH() {
  // An empty queue is told by the queue's status, which costs a fraction of
  // a message query: a wait that pumps once per received byte spends most
  // of its time here.
  if (HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0) return true;
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
