#pragma once
// The support library's start-up procedure. The program runs it once, after
// installing its error handler and before its entry and any window.

namespace qvz::support {

// Sets the run-time environment (dates dd/mm/yyyy with EPOCH 1980, file names
// in upper case, the table defaults), creates the public access variables,
// erases the temporary files and directories (names beginning with 0x7F)
// that earlier runs left, and makes critical device errors come back as
// error codes.
void StartUp();

}  // namespace qvz::support
