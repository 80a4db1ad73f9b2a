#pragma once
// Whether a key is down at this moment, whichever window has the focus.

namespace qvz::ui {

// True while the key is held down: the high-order byte of the platform's
// asynchronous key state. A press already released again is not seen.
bool GETASYNCKEY(int nKey);

}  // namespace qvz::ui
