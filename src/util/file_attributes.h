#pragma once
// Switching single attribute bits of a file or directory (names by the name
// rule, no FILECASE). A missing file is left alone. GUI thread only.

#include <string>

namespace qvz::util {

void CLEARREADONLY(const std::string& cFile);
void CLEARHIDDEN(const std::string& cFile);
void SETHIDDEN(const std::string& cFile);

}  // namespace qvz::util
