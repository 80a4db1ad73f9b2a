#pragma once
// Reading and moving about in a file the run time's file operations opened
// (file_ops.h). Failures are results: FERROR (file_error.h) tells why.
// GUI thread only.

#include <windows.h>

#include <optional>
#include <string>

namespace qvz::runtime {

// Reads up to nBytes into the start of cBuffer, never beyond its length, and
// returns the number of bytes read: 0 at the end of the file or on failure.
int FREAD(HANDLE hFile, std::string& cBuffer, int nBytes);

// Moves the file position by nOffset from nOrigin: 0 the start (default),
// 1 the current position, 2 the end. Returns the new position, or -1 when
// it cannot move, leaving the position as it was.
long long FSEEK(HANDLE hFile, long long nOffset, std::optional<int> nOrigin = std::nullopt);

}  // namespace qvz::runtime
