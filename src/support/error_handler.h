#pragma once
// The program's error handler. Every run-time error ends up here and meets
// one of three fates: a plain message in Italian and a break out of the
// failing operation; a quiet substitute result; or a report, with the offer
// to send it by e-mail, and the end of the program. GUI thread only.

#include "runtime/runtime_error.h"
#include "runtime/value.h"

namespace qvz::support {

// Installs DEFERROR as the run time's error block, for the whole run: the
// program start calls it before anything else.
void ERRORSYS();

// Decides what an error leads to and returns the failing operation's
// result: 0 for a division by zero, false for an open or append that gives
// up with the network-error flag set. Disk and file errors show their
// message and break out to the nearest guarded sequence (SequenceBreak);
// every other error shows the report and ends the program.
runtime::Value DEFERROR(const runtime::RuntimeError& oError);

}  // namespace qvz::support
