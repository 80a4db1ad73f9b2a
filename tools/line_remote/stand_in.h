#pragma once
// A receiver that does nothing but answer: each header gets its 0x00 the
// moment its last byte is read. Measured by the same remote over the same
// kind of line, it gives the floor that the line and the measuring remote
// themselves put under every turnaround.

#include "line_remote/tty_line.h"

namespace qvz::tools {

// Answers until nDisks disks have ended with "E" (0: until the line closes).
// True when they all came.
bool RunStandIn(TtyLine& oLine, int nDisks);

}  // namespace qvz::tools
