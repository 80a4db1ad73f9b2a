#include "app/waits.h"

#include <windows.h>

#include <algorithm>

#include "app/receive_queue.h"
#include "runtime/clock.h"
#include "support/key_state.h"
#include "ui/message_pump.h"

namespace qvz::app {
namespace {

constexpr int kEsc = support::kKeyEscape;
// Each sleep that ends costs the platform about 0.1 ms of a processor
// under Wine; 45 ms keeps the waiting program under 0.5 % of a core.
constexpr std::int64_t kIdleSliceMs = 45;

// Whether the last sleep was a quiet one. The bytes that arrived during it
// wait at the port unannounced, so the next sleep is one that their
// announcement ends: the count of bytes still to come is right again before
// the next quiet sleep. GUI thread only.
bool& QuietSleepLast() {
  static bool lQuiet = false;
  return lQuiet;
}

// After a pass that found nothing: sleeps until a message (posted, sent from
// another thread such as the port's notification, or input) or the end of
// the slice, whichever comes first; while the line is known to be quiet,
// only input (ESC) ends the sleep early. Nothing waits when bytes are queued.
void IdleUntilMessage(std::optional<std::int64_t> nLeftMs, std::int64_t nQuietMs) {
  if (QueuedBytes() > 0) return;
  const bool lQuiet = nQuietMs > 0 && !QuietSleepLast();
  QuietSleepLast() = lQuiet;
  std::int64_t nSlice = lQuiet ? std::min(nQuietMs, kIdleSliceMs) : kIdleSliceMs;
  if (nLeftMs) nSlice = std::clamp<std::int64_t>(*nLeftMs, 0, nSlice);
  if (nSlice > 0)
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(nSlice), lQuiet ? QS_INPUT : ui::AllInputMask(),
                                MWMO_INPUTAVAILABLE);
}

}  // namespace

Waited WAITCHAR(std::optional<std::int64_t> nDeadlineMs, std::int64_t nQuietMs) {
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
    IdleUntilMessage(nLeftMs, nQuietMs);
  }
  ui::SYSREFRESH();
  return oResult;
}

}  // namespace qvz::app
