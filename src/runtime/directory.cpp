#include "runtime/directory.h"

#include <windows.h>

#include <cctype>
#include <memory>

#include "runtime/file_case.h"
#include "runtime/path_name.h"
#include "runtime/platform_name.h"

namespace qvz::runtime {
namespace {

struct FindCloser {
  void operator()(HANDLE hFind) const { FindClose(hFind); }
};
using UniqueFind = std::unique_ptr<void, FindCloser>;

struct AttributeLetter {
  DWORD nBit;
  char cLetter;
};
constexpr AttributeLetter kLetters[] = {
    {FILE_ATTRIBUTE_READONLY, 'R'}, {FILE_ATTRIBUTE_HIDDEN, 'H'},  {FILE_ATTRIBUTE_SYSTEM, 'S'},
    {FILE_ATTRIBUTE_DIRECTORY, 'D'}, {FILE_ATTRIBUTE_ARCHIVE, 'A'},
};

std::string Letters(DWORD nAttributes) {
  std::string cLetters;
  for (const auto& l : kLetters)
    if (nAttributes & l.nBit) cLetters += l.cLetter;
  return cLetters;
}

// The attribute bits that keep an entry out of the listing unless asked for.
DWORD ExcludedBits(const std::string& cAsked) {
  DWORD nExcluded = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  for (char c : cAsked) {
    const char cUpper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const auto& l : kLetters)
      if (l.cLetter == cUpper) nExcluded &= ~l.nBit;
  }
  return nExcluded;
}

}  // namespace

std::vector<DirEntry> DIRECTORY(const std::string& cPattern, const std::optional<std::string>& cAttributes) {
  std::string cFullPattern = cPattern;
  if (NameStart(cFullPattern) == cFullPattern.size()) cFullPattern += "*.*";
  // The listing runs on the W functions whatever the pattern, so that every
  // name comes back in a form that finds the same entry again.
  const std::wstring wPattern = WidePlatformName(ApplyFileCase(cFullPattern));
  const DWORD nExcluded = ExcludedBits(cAttributes.value_or(""));

  std::vector<DirEntry> aEntries;
  WIN32_FIND_DATAW found;
  HANDLE hFirst = FindFirstFileW(wPattern.c_str(), &found);
  if (hFirst == INVALID_HANDLE_VALUE) return aEntries;
  const UniqueFind hFind(hFirst);
  do {
    if (found.dwFileAttributes & nExcluded) continue;
    aEntries.push_back({NameFromPlatform(found.cFileName),
                        static_cast<long long>((static_cast<unsigned long long>(found.nFileSizeHigh) << 32) |
                                               found.nFileSizeLow),
                        Letters(found.dwFileAttributes)});
  } while (FindNextFileW(hFind.get(), &found));
  return aEntries;
}

}  // namespace qvz::runtime
