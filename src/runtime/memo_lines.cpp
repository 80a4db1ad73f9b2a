#include "runtime/memo_lines.h"

namespace qvz::runtime {
namespace {

int ColumnsOf(char c, int nTabSize) { return c == '\t' ? nTabSize : 1; }

// Splits one line without line breaks into the wrapped lines it fills.
void WrapInto(const std::string& cLine, int nLineLength, int nTabSize, std::vector<std::string>& aLines) {
  std::size_t nStart = 0;
  while (true) {
    int nColumns = 0;
    std::size_t nEnd = nStart;
    while (nEnd < cLine.size() && nColumns + ColumnsOf(cLine[nEnd], nTabSize) <= nLineLength)
      nColumns += ColumnsOf(cLine[nEnd++], nTabSize);
    if (nEnd == cLine.size()) {
      aLines.push_back(cLine.substr(nStart));
      return;
    }
    if (cLine[nEnd] == ' ') {  // the blank just past the limit is the break
      aLines.push_back(cLine.substr(nStart, nEnd - nStart));
      nStart = nEnd + 1;
      if (nStart == cLine.size()) return;
      continue;
    }
    std::size_t nBlank = cLine.rfind(' ', nEnd - 1);
    if (nBlank == std::string::npos || nBlank < nStart) {  // one word longer than a line
      aLines.push_back(cLine.substr(nStart, nEnd - nStart));
      nStart = nEnd;
    } else {
      aLines.push_back(cLine.substr(nStart, nBlank - nStart));
      nStart = nBlank + 1;
    }
  }
}

}  // namespace

std::vector<std::string> MemoLines(const std::string& cText, int nLineLength, int nTabSize) {
  std::vector<std::string> aLines;
  std::size_t nStart = 0;
  while (nStart < cText.size()) {
    std::size_t nBreak = cText.find('\n', nStart);
    std::size_t nEnd = nBreak == std::string::npos ? cText.size() : nBreak;
    std::size_t nNext = nBreak == std::string::npos ? cText.size() : nBreak + 1;
    if (nEnd > nStart && cText[nEnd - 1] == '\r') --nEnd;
    WrapInto(cText.substr(nStart, nEnd - nStart), nLineLength, nTabSize, aLines);
    nStart = nNext;
  }
  return aLines;
}

int MLCOUNT(const std::string& cText, int nLineLength, int nTabSize) {
  return static_cast<int>(MemoLines(cText, nLineLength, nTabSize).size());
}

}  // namespace qvz::runtime
