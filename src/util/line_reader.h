#pragma once
// Reading a text file line by line. GUI thread only.

#include <windows.h>

#include <optional>
#include <string>

namespace qvz::util {

// The next line of a file opened with the run time's FOPEN, without its CR
// LF; nothing at the end of the file. A line longer than nWidth bytes
// (default 128) comes in pieces of nWidth bytes, with no byte lost; a CR
// not followed by LF ends a line too.
std::optional<std::string> FREADLINE(HANDLE hFile, std::optional<int> nWidth = std::nullopt);

}  // namespace qvz::util
