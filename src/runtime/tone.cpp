#include "runtime/tone.h"

#include <windows.h>

namespace qvz::runtime {

void TONE(int nFrequency, double nTicks) {
  Beep(static_cast<DWORD>(nFrequency), static_cast<DWORD>(nTicks * 1000 / 18.2));
}

}  // namespace qvz::runtime
