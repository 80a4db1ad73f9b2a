#pragma once
// What the platform tells about a drive. GUI thread only.

#include <string>

namespace qvz::util {

// The free bytes of the whole volume holding cRoot (a root, a drive or a
// directory), whatever the caller's quota; -1 when the platform cannot tell.
long long DISKFREESPACE(const std::string& cRoot);

// The platform's drive type number of the root ("C:\"): 1 no such root,
// 2 removable, 3 fixed, 4 remote, 5 CD-ROM, 6 RAM disk; 0 unknown.
int GETDRIVETYPE(const std::string& cRoot);

}  // namespace qvz::util
