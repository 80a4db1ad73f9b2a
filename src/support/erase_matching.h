#pragma once
// Erasing the files a pattern matches.

#include <string>

namespace qvz::support {

// Erases every normal, archive or read-only file that matches cPattern
// (hidden and system files and directories are left); a file that cannot be
// erased stays, and the others are still tried.
void EraseMatching(const std::string& cPattern);

}  // namespace qvz::support
