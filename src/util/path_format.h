#pragma once
// Paths as the user reads them.

#include <string>

namespace qvz::util {

// The directory part of the file's full path without its final backslash;
// a drive's root keeps it ("C:\"). "" when the full path cannot be made.
std::string FULLPATH(const std::string& cFile);

// The path without trailing blanks, shortened when it is longer than nWidth
// by putting "\..." for its middle: the drive part, "\...", and as many of
// its last whole components as fit. Padded with blanks, or cut, to exactly
// nWidth.
std::string SHORTPATH(const std::string& cPath, int nWidth);

}  // namespace qvz::util
