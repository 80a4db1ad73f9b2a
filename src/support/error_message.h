#pragma once
// The text of an error report. GUI thread only.

#include <string>

#include "runtime/runtime_error.h"

namespace qvz::support {

// "Error " or "Warning ", the subsystem, "/" and the subsystem's code, the
// description, ": " and the file (or the operation), then on a second line
// (";" separates lines) the innermost of the receiver's procedures where the
// error arose: ";Function: NAME  Line: N". With no such procedure the name is
// empty and the line 0.
std::string ERRORMESSAGE(const runtime::RuntimeError& oError);

}  // namespace qvz::support
