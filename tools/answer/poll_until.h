#pragma once
// Waiting for something another program does, by looking every 10 ms.

#include <windows.h>

#include <functional>

namespace qvz::tools {

// True once bDone holds; false when nTimeoutMs passed first.
bool PollUntil(const std::function<bool()>& bDone, DWORD nTimeoutMs);

}  // namespace qvz::tools
