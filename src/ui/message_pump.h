#pragma once
// One step of the message pump for long-running work on the GUI thread.

#include <windows.h>

namespace qvz::ui {

// Dispatches every message that waits for this thread, including messages
// other threads send to its windows, and returns without waiting. False when
// it stopped at a WM_QUIT (re-posted when a message loop is running, so that
// the loop sees it); true otherwise.
bool SYSREFRESH();

// The queue-status flags of every kind of message and input this system
// has, for asking whether something waits and for waiting until it does.
// The program is built for Windows 7, whose QS_ALLINPUT lacks the touch and
// pointer input of Windows 8 and later (which Windows 7 refuses in a mask).
UINT AllInputMask();

}  // namespace qvz::ui
