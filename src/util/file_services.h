#pragma once
// Thin wrappers over the platform's file services. Names go to the platform
// as given, by the name rule (runtime/platform_name.h); the FILECASE setting
// is not applied. Failures are results, never errors. GUI thread only.

#include <string>

namespace qvz::util {

// Creates the directory (without security attributes).
bool CREATEDIR(const std::string& cDir);

bool DELETEFILE(const std::string& cFile);

bool MOVEFILE(const std::string& cOldName, const std::string& cNewName);

bool SETCURDIR(const std::string& cDir);

// The attribute bits, -1 when there is no such file or directory.
int GETFILEATTRIBUTES(const std::string& cFile);

bool SETFILEATTRIBUTES(const std::string& cFile, int nAttributes);

// Gives the target (a file or a directory) the source's last-write time.
// Both are opened as existing and shared with no one; false when either
// cannot be opened or the time cannot be read or set.
bool SETFILEDATETIME(const std::string& cSource, const std::string& cTarget);

// The full path of the name, "" when it does not fit in 260 bytes.
std::string FULLNAME(const std::string& cFile);

}  // namespace qvz::util
