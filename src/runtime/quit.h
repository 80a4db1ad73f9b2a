#pragma once
// Ending the program on request: the shut-down procedure runs, then the
// process ends. GUI thread only.

#include <functional>

namespace qvz::runtime {

using ShutDown = std::function<void()>;

// Installs the procedure a quit runs before the process ends; returns the
// previous one. None is installed at start.
ShutDown SetShutDown(ShutDown bProcedure);

// Runs the shut-down procedure and ends the process with nExitCode. A quit
// requested while the procedure runs ends the process at once.
[[noreturn]] void QUIT(int nExitCode = 0);

}  // namespace qvz::runtime
