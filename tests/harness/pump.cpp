#include "harness/pump.h"

namespace qvz::test {
namespace {

constexpr DWORD kStepMs = 5;

void SleepUntilAMessage() { MsgWaitForMultipleObjectsEx(0, nullptr, kStepMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE); }

}  // namespace

void DispatchWaiting() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& bDone, DWORD nTimeoutMs, const std::function<void()>& bStep) {
  const ULONGLONG nEnd = GetTickCount64() + nTimeoutMs;
  for (;;) {
    bStep();
    if (bDone()) return true;
    if (GetTickCount64() >= nEnd) return false;
    SleepUntilAMessage();
  }
}

void PumpFor(DWORD nMs, const std::function<void()>& bStep) {
  const ULONGLONG nEnd = GetTickCount64() + nMs;
  while (GetTickCount64() < nEnd) {
    bStep();
    SleepUntilAMessage();
  }
}

}  // namespace qvz::test
