#pragma once
// The error code the run time's file operations leave behind. GUI thread only.

namespace qvz::runtime {

// The platform's error code of the last file operation; 0 after a success.
int FERROR();

// For the file operations: records the outcome of the one that just ended.
void SetFileError(unsigned long nCode);

}  // namespace qvz::runtime
