#include "harness/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace qvz::test {
namespace {

struct FindCloser {
  void operator()(HANDLE hFind) const { FindClose(hFind); }
};

template <class Char, class FindData, class FindFirst, class FindNext>
std::vector<std::basic_string<Char>> ListNames(const std::basic_string<Char>& cPattern, FindFirst fFirst,
                                               FindNext fNext) {
  std::vector<std::basic_string<Char>> aNames;
  FindData found;
  HANDLE hFirst = fFirst(cPattern.c_str(), &found);
  if (hFirst == INVALID_HANDLE_VALUE) return aNames;
  const std::unique_ptr<void, FindCloser> hFind(hFirst);
  do {
    const std::basic_string<Char> cName = found.cFileName;
    if (cName.size() > 0 && cName.find_first_not_of(Char('.')) != cName.npos) aNames.push_back(cName);
  } while (fNext(hFind.get(), &found));
  return aNames;
}

}  // namespace

TempFolder::TempFolder() {
  static int nSerial = 0;
  char cBase[MAX_PATH + 1];
  const DWORD nLength = GetTempPathA(sizeof cBase, cBase);
  cPath = std::string(cBase, nLength) + "qvz-test-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++nSerial);
  if (!CreateDirectoryA(cPath.c_str(), nullptr)) ADD_FAILURE() << "cannot make " << cPath;
}

TempFolder::~TempFolder() {
  // Read-only and hidden entries would refuse to go.
  std::error_code error;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(cPath, error))
    SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
  std::filesystem::remove_all(cPath, error);
  if (error) ADD_FAILURE() << "cannot remove " << cPath << ": " << error.message();
}

void MakeFile(const std::string& cPath, DWORD nAttributes, const std::string& cData) {
  HANDLE hFile = CreateFileA(cPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << "cannot make " << cPath;
  DWORD nWritten = 0;
  WriteFile(hFile, cData.data(), static_cast<DWORD>(cData.size()), &nWritten, nullptr);
  CloseHandle(hFile);
  ASSERT_TRUE(SetFileAttributesA(cPath.c_str(), nAttributes));
}

void MakeFolder(const std::string& cPath, DWORD nAttributes) {
  ASSERT_TRUE(CreateDirectoryA(cPath.c_str(), nullptr)) << "cannot make " << cPath;
  ASSERT_TRUE(SetFileAttributesA(cPath.c_str(), nAttributes));
}

bool Exists(const std::string& cPath) { return GetFileAttributesA(cPath.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ContentOf(const std::string& cPath) {
  std::ifstream in(cPath, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::vector<std::string> NamesIn(const std::string& cFolder) {
  return ListNames<char, WIN32_FIND_DATAA>(cFolder + "\\*", FindFirstFileA, FindNextFileA);
}

std::vector<std::wstring> WideNamesIn(const std::string& cFolder) {
  return ListNames<wchar_t, WIN32_FIND_DATAW>(std::filesystem::path(cFolder + "\\*").wstring(), FindFirstFileW,
                                              FindNextFileW);
}

}  // namespace qvz::test
