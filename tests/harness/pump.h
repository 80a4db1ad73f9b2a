#pragma once
// Pumping the test thread's messages while a test waits for what their
// handling brings about. Between steps the thread sleeps until a message
// comes, at most a few milliseconds, so a wait keeps no processor busy.

#include <windows.h>

#include <functional>

namespace qvz::test {

// Dispatches the messages that wait for this thread, without blocking.
void DispatchWaiting();

// Pumps with bStep until bDone holds or nTimeoutMs have passed; whether it held.
bool PumpUntil(const std::function<bool()>& bDone, DWORD nTimeoutMs = 5000,
               const std::function<void()>& bStep = DispatchWaiting);

// Pumps with bStep for nMs, so that what was posted meanwhile has been handled.
void PumpFor(DWORD nMs, const std::function<void()>& bStep = DispatchWaiting);

}  // namespace qvz::test
