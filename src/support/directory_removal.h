#pragma once
// Emptying and removing directories.

#include <string>

namespace qvz::support {

// Erases the normal, read-only and hidden files of cDir (not its system
// files, not its subdirectories) in listing order, stopping at the first
// file that cannot be erased.
void DELDIR(const std::string& cDir);

// Removes the directory, which succeeds only when it is empty.
bool REMOVEDIR(const std::string& cDir);

}  // namespace qvz::support
