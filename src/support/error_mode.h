#pragma once
// The process error mode: which failures the system reports with its own
// dialogs instead of returning them to the program.

namespace qvz::support {

// Sets the mode (1, SEM_FAILCRITICALERRORS: a device that is not ready fails
// the operation with an error code) and returns the previous one.
unsigned SETERRORMODE(unsigned nMode);

}  // namespace qvz::support
