#include "app/waits.h"

#include <windows.h>

#include <algorithm>

#include "app/key_wake.h"
#include "app/receive_queue.h"
#include "runtime/clock.h"
#include "support/key_state.h"
#include "ui/message_pump.h"

namespace qvz::app {
namespace {

constexpr int kEsc = support::kKeyEscape;
// Each sleep that ends costs the platform about 0.1 ms of a processor
// under Wine. A key pressed in another program's window ends no sleep
// unless the keys wake the waits: then a sleep may last 250 ms (a few
// wakes a second cost about 0.1 % of a core); else 45 ms, so that such an
// ESC is still seen within 50 ms.
constexpr DWORD kIdleSliceMs = 45;
constexpr DWORD kKeyWokenSliceMs = 250;

// After a pass that found nothing: sleeps until a message (posted, sent from
// another thread such as the port's notification, or input) or the end of
// the slice, whichever comes first. Nothing waits when bytes are queued.
void IdleUntilMessage(std::optional<std::int64_t> nLeftMs) {
  if (QueuedBytes() > 0) return;
  const DWORD nMost = KeysWakeTheWaits() ? kKeyWokenSliceMs : kIdleSliceMs;
  DWORD nSlice = nMost;
  if (nLeftMs) nSlice = static_cast<DWORD>(std::clamp<std::int64_t>(*nLeftMs, 0, nMost));
  if (nSlice > 0) MsgWaitForMultipleObjectsEx(0, nullptr, nSlice, ui::AllInputMask(), MWMO_INPUTAVAILABLE);
}

}  // namespace

Waited WAITCHAR(std::optional<std::int64_t> nDeadlineMs) {
  Waited oResult;
  for (;;) {
    if (support::GETASYNCKEYSTATE(kEsc)) {
      oResult.lEsc = true;
      break;
    }
    oResult.cByte = GETCHAR();
    oResult.nMs = runtime::MilliSeconds();
    if (!oResult.cByte.empty() || (nDeadlineMs && oResult.nMs >= *nDeadlineMs)) break;
    ui::SYSREFRESH();
    std::optional<std::int64_t> nLeftMs;
    if (nDeadlineMs) nLeftMs = *nDeadlineMs - oResult.nMs;
    IdleUntilMessage(nLeftMs);
  }
  ui::SYSREFRESH();
  return oResult;
}

}  // namespace qvz::app
