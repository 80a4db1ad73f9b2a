#pragma once
// The run time's directory listing. Applies FILECASE to the pattern's name
// and reads the pattern by the name rule (platform_name.h). GUI thread only.

#include <optional>
#include <string>
#include <vector>

namespace qvz::runtime {

struct DirEntry {
  std::string cName;        // without its directory, by the name rule
  long long nSize = 0;
  std::string cAttributes;  // of "RHSDA": read-only, hidden, system, directory, archive
};

// The entries matching the pattern, in the platform's order; a pattern that
// is empty or ends in a separator lists every entry of that directory.
// Files that are normal, archive or read-only always count; hidden files,
// system files and directories only when cAttributes holds "H", "S" or "D".
std::vector<DirEntry> DIRECTORY(const std::string& cPattern,
                                const std::optional<std::string>& cAttributes = std::nullopt);

}  // namespace qvz::runtime
