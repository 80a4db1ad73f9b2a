#pragma once
// The program's run around its entry: the error handler is installed, the
// start-up procedure runs, then the entry, then the shut-down procedure.
// The shut-down procedure runs once however the program ends: after the
// entry has returned, or on the way out of a quit (the error report ends
// the program with one).

#include <functional>

namespace qvz::support {

// Runs the entry between the start-up and the shut-down procedures. GUI
// thread, once per process.
void RunProgram(const std::function<void()>& bEntry);

}  // namespace qvz::support
