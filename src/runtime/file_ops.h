#pragma once
// The run time's file operations on single files. Each applies the FILECASE
// setting to the name it is given (file_case.h) and hands it to the platform
// by the name rule (platform_name.h). Failures are results, never errors:
// FERROR (file_error.h) tells why. GUI thread only.

#include <optional>
#include <string>

#include "runtime/unique_handle.h"

namespace qvz::runtime {

// True when a file, not a directory, matches the name, which may hold
// wildcards; hidden and system files count. Leaves FERROR as it was.
bool FILEEXISTS(const std::string& cName);

// Creates the file, or empties an existing one, open for reading and writing
// and shared with no one. nAttribute: 0 normal (default), 1 read-only,
// 2 hidden, 4 system, or their sum.
UniqueHandle FCREATE(const std::string& cName, std::optional<int> nAttribute = std::nullopt);

// Opens an existing file. nMode is an access, 0 read (default), 1 write or
// 2 both, plus a sharing: 16 exclusive, 32 deny write, 48 deny read, 64 deny
// none; without a sharing the file is shared with no one.
UniqueHandle FOPEN(const std::string& cName, std::optional<int> nMode = std::nullopt);

// Erases the file; false when it cannot.
bool FERASE(const std::string& cName);

// Makes cData the whole content of the file, creating or emptying it, held
// exclusively while it is written; with lEofMark (default true) the byte 26
// follows the data. False when the file cannot be created or fully written.
bool MEMOWRIT(const std::string& cName, const std::string& cData, std::optional<bool> lEofMark = std::nullopt);

}  // namespace qvz::runtime
