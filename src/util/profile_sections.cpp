#include "util/profile_sections.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "runtime/memo_lines.h"
#include "ui/profile.h"
#include "util/blanks.h"

namespace qvz::util {

int GETPRIVATEPROFILESECTIONNAMES(std::string& cBuffer, int nSize, const std::string& cFile) {
  const DWORD nRoom = static_cast<DWORD>(std::clamp<long long>(nSize, 0, static_cast<long long>(cBuffer.size())));
  if (nRoom == 0) return 0;
  return static_cast<int>(GetPrivateProfileSectionNamesA(cBuffer.data(), nRoom, cFile.c_str()));
}

std::vector<std::string> GETPVPROFSECTION(const std::string& cSection, const std::string& cFile) {
  std::string cText;
  for (char c : ui::GETPVPROFSTRING(cSection, std::nullopt, "", cFile)) {
    if (c == '\0')
      cText += "\r\n";
    else
      cText += c;
  }
  std::vector<std::string> aNames;
  for (const std::string& cLine : runtime::MemoLines(cText, 79, 4))
    aNames.emplace_back(WithoutTrailingBlanks(cLine));
  return aNames;
}

std::vector<std::string> GETPVPROFSECTIONNAMES(const std::string& cFile) {
  std::string cBuffer(65536, '\0');
  const int nWritten = GETPRIVATEPROFILESECTIONNAMES(cBuffer, static_cast<int>(cBuffer.size()), cFile);
  std::vector<std::string> aNames;
  std::string_view cNames(cBuffer.data(), static_cast<std::size_t>(nWritten));
  while (!cNames.empty()) {
    const std::size_t nEnd = std::min(cNames.find('\0'), cNames.size());
    aNames.emplace_back(cNames.substr(0, nEnd));
    cNames.remove_prefix(std::min(nEnd + 1, cNames.size()));
  }
  return aNames;
}

}  // namespace qvz::util
