#pragma once
// Copying and erasing whole directory trees. Each tells the user of its
// first failure in an information pop-up and stops there, leaving what was
// already copied or erased. A directory that is a link or junction
// (folder_link.h) is never entered. GUI thread only.

#include <optional>
#include <string>

namespace qvz::util {

// Copies the files and directories of cSource, read-only and hidden ones
// included (system ones not), into cTarget, which is created first when
// lCreate (default true). Each directory keeps its source's last-write time.
// A link or junction inside the tree is left out of the copy.
bool COPYDIR(const std::string& cSource, const std::string& cTarget, std::optional<bool> lCreate = std::nullopt);

// Erases every file and directory in cDir, read-only, hidden and system ones
// included, and then, when lRemove (default true), cDir itself. A link or
// junction is removed as a link; what it points to stays. The windows stay
// alive meanwhile. An empty name erases nothing and gives false.
bool DELETEDIR(const std::string& cDir, std::optional<bool> lRemove = std::nullopt);

}  // namespace qvz::util
