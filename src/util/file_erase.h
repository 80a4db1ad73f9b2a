#pragma once
// Erasing files after checking that the disk and the file allow it. A check
// that fails has told the user why (disk_checks.h); the erasing then breaks
// out to the nearest guarded sequence (runtime/sequence_break.h). The run
// time's file operations read the names (FILECASE). GUI thread only.

#include <string>

namespace qvz::util {

// Erases the file unless its drive (its "X:" prefix, or the current drive)
// is protected or the file is read-only; false when the platform would not
// erase it after all.
bool DELFILE(const std::string& cFile);

// Erases every normal and read-only file in the root directory of the drive
// ("A:") unless the drive is protected, breaking at the first read-only file.
void DELROOT(const std::string& cDrive);

}  // namespace qvz::util
