#pragma once
// Directories that stand for another place: symbolic links, junctions and
// other reparse points.

#include <string>

namespace qvz::util {

// True when cDir is a directory that is a reparse point. Whatever it points
// to lies outside the tree it appears in, so tree operations do not enter it.
bool IsFolderLink(const std::string& cDir);

}  // namespace qvz::util
