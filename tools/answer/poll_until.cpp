#include "poll_until.h"

namespace qvz::tools {

bool PollUntil(const std::function<bool()>& bDone, DWORD nTimeoutMs) {
  const ULONGLONG nEnd = GetTickCount64() + nTimeoutMs;
  while (!bDone()) {
    if (GetTickCount64() > nEnd) return false;
    Sleep(10);
  }
  return true;
}

}  // namespace qvz::tools
