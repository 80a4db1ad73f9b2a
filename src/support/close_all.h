#pragma once
// Closing what the program has open at its end.

namespace qvz::support {

// Erases the temporary view indexes: the files matching the user temporary
// directory + 0x7F + "VIEW*.NTX", or the working directory without one.
void CLOSEALL();

}  // namespace qvz::support
