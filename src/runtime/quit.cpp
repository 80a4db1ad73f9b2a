#include "runtime/quit.h"

#include <windows.h>

#include <cstdio>
#include <utility>

namespace qvz::runtime {
namespace {

ShutDown& InstalledShutDown() {
  static ShutDown bProcedure;
  return bProcedure;
}

}  // namespace

ShutDown SetShutDown(ShutDown bProcedure) { return std::exchange(InstalledShutDown(), std::move(bProcedure)); }

void QUIT(int nExitCode) {
  static bool lQuitting = false;
  if (!lQuitting) {
    lQuitting = true;
    try {
      if (auto bProcedure = std::move(InstalledShutDown())) bProcedure();
    } catch (...) {
      // The process ends all the same; nothing is left to report to.
    }
  }
  std::fflush(nullptr);
  ExitProcess(static_cast<UINT>(nExitCode));
}

}  // namespace qvz::runtime
