#pragma once
// Questions about current directories that leave the program's own current
// drive and directory as they were. GUI thread only.

#include <string>

namespace qvz::util {

// True when the directory (or drive, "A:") can be made current.
bool DIR(const std::string& cDir);

// The current directory of the drive ("C" or "C:"; "" the current drive)
// between backslashes, "\DATA\2024\"; just "\" at its root.
std::string CURPATH(const std::string& cDrive);

}  // namespace qvz::util
