#pragma once
// While a KeyWake lives, every key pressed or released, whichever program
// has the focus, wakes the receiver's waits at once: the window is
// registered for the keyboard's raw input also in the background. A wait
// then learns of ESC at the press itself instead of at the end of its
// sleep, so its sleeps can be long and waiting costs next to nothing.
// Where the registration fails, the waits keep their short sleeps.

#include <windows.h>

namespace qvz::app {

class KeyWake {
 public:
  explicit KeyWake(HWND hWnd);
  ~KeyWake();
  KeyWake(const KeyWake&) = delete;
  KeyWake& operator=(const KeyWake&) = delete;
};

// True while a KeyWake is registered (GUI thread only).
bool KeysWakeTheWaits();

}  // namespace qvz::app
