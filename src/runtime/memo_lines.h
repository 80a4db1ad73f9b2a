#pragma once
// Memo lines: how a text breaks into the lines a window shows it in. A line
// break (CR LF, or LF alone) ends a line; a line longer than the line length
// wraps after the last blank that still fits, or is cut at the line length
// when no blank fits. A tab counts as nTabSize columns.

#include <string>
#include <vector>

namespace qvz::runtime {

// The lines of cText, without their line breaks or the blank a wrap broke at.
// An empty text has no lines, and a break at the very end starts none.
std::vector<std::string> MemoLines(const std::string& cText, int nLineLength = 79, int nTabSize = 4);

// The number of lines MemoLines gives.
int MLCOUNT(const std::string& cText, int nLineLength = 79, int nTabSize = 4);

}  // namespace qvz::runtime
