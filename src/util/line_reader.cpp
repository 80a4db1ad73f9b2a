#include "util/line_reader.h"

#include <algorithm>

#include "runtime/file_io.h"

namespace qvz::util {
namespace {

constexpr int kDefaultWidth = 128;

}  // namespace

std::optional<std::string> FREADLINE(HANDLE hFile, std::optional<int> nWidth) {
  // A width below 1 would read nothing and look like the end of the file.
  const int nGiven = nWidth.value_or(kDefaultWidth);
  const int nMax = nGiven >= 1 ? nGiven : kDefaultWidth;
  // One byte beyond the width shows whether an LF follows a CR at its end.
  std::string cBytes(static_cast<std::size_t>(nMax) + 1, '\0');
  const int nRead = runtime::FREAD(hFile, cBytes, nMax + 1);
  if (nRead == 0) return std::nullopt;
  cBytes.resize(static_cast<std::size_t>(nRead));
  const std::size_t nInLine = std::min<std::size_t>(cBytes.size(), static_cast<std::size_t>(nMax));
  const std::size_t nCr = cBytes.find('\r');
  std::size_t nNext = nInLine;
  std::string cLine = cBytes.substr(0, nInLine);
  if (nCr < nInLine) {
    cLine.resize(nCr);
    // Only an LF goes with the CR: skipping any other byte would lose it.
    nNext = nCr + 1 + (nCr + 1 < cBytes.size() && cBytes[nCr + 1] == '\n');
  }
  runtime::FSEEK(hFile, static_cast<long long>(nNext) - nRead, 1);
  return cLine;
}

}  // namespace qvz::util
