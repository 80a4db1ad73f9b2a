#pragma once
// One step of the message pump for long-running work on the GUI thread.

namespace qvz::ui {

// Dispatches every message that waits for this thread, including messages
// other threads send to its windows, and returns without waiting. False when
// it stopped at a WM_QUIT (re-posted when a message loop is running, so that
// the loop sees it); true otherwise.
bool SYSREFRESH();

}  // namespace qvz::ui
