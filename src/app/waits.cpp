#include "app/waits.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "app/receiver_buffers.h"
#include "runtime/clock.h"
#include "support/key_state.h"
#include "ui/message_pump.h"

namespace qvz::app {
namespace {

constexpr int kEsc = 27;
constexpr std::int64_t kCharLimitMs = 2000;
constexpr DWORD kIdleSliceMs = 20;

// After a pass that found nothing: sleeps until a message (posted, sent from
// another thread such as the port's notification, or input) or the end of
// the slice, whichever comes first. Nothing waits when bytes are queued.
void IdleUntilMessage(std::optional<std::int64_t> nLeftMs) {
  if (QueuedBytes() > 0) return;
  DWORD nSlice = kIdleSliceMs;
  if (nLeftMs) nSlice = static_cast<DWORD>(std::clamp<std::int64_t>(*nLeftMs, 0, kIdleSliceMs));
  if (nSlice > 0)
    MsgWaitForMultipleObjectsEx(0, nullptr, nSlice, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace

std::string WAITCOMMAND() {
  std::string cByte;
  for (;;) {
    if (support::GETASYNCKEYSTATE(kEsc)) break;
    cByte = GETCHAR();
    if (!cByte.empty()) break;
    ui::SYSREFRESH();
    IdleUntilMessage(std::nullopt);
  }
  ui::SYSREFRESH();
  return cByte;
}

std::string WAITCHAR() {
  std::string cResult;
  const std::int64_t nStart = runtime::MilliSeconds();
  for (;;) {
    if (support::GETASYNCKEYSTATE(kEsc)) break;
    cResult = GETCHAR();
    if (!cResult.empty()) break;
    if (runtime::MilliSeconds() - nStart >= kCharLimitMs) break;
    ui::SYSREFRESH();
    IdleUntilMessage(kCharLimitMs - (runtime::MilliSeconds() - nStart));
  }
  ui::SYSREFRESH();
  return cResult;
}

}  // namespace qvz::app
