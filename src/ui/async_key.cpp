#include "ui/async_key.h"

#include <windows.h>

namespace qvz::ui {

bool GETASYNCKEY(int nKey) { return (GetAsyncKeyState(nKey) & 0xFF00) != 0; }

}  // namespace qvz::ui
