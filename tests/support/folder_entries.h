#pragma once
// Files and folders that a test lays out before a procedure runs and checks
// after it.

#include <windows.h>

#include <string>
#include <vector>

namespace qvz::support {

struct FolderEntry {
  std::string cName;
  DWORD nAttributes;  // FILE_ATTRIBUTE_DIRECTORY makes a folder
  bool lRemains;      // whether it is still there afterwards
};

void MakeEntries(const std::string& cFolder, const std::vector<FolderEntry>& aEntries);

// Checks, entry by entry, that exactly those that should remain do.
void ExpectRemaining(const std::string& cFolder, const std::vector<FolderEntry>& aEntries);

}  // namespace qvz::support
