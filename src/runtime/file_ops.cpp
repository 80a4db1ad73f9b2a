#include "runtime/file_ops.h"

#include <windows.h>

#include <algorithm>

#include "runtime/directory.h"
#include "runtime/file_case.h"
#include "runtime/file_error.h"
#include "runtime/path_name.h"
#include "runtime/platform_name.h"

namespace qvz::runtime {
namespace {

UniqueHandle CreateByName(const std::string& cName, DWORD nAccess, DWORD nShare, DWORD nDisposition,
                          DWORD nAttributes) {
  HANDLE hFile = ByPlatformName(
      ApplyFileCase(cName),
      [&](const char* p) { return CreateFileA(p, nAccess, nShare, nullptr, nDisposition, nAttributes, nullptr); },
      [&](const wchar_t* p) { return CreateFileW(p, nAccess, nShare, nullptr, nDisposition, nAttributes, nullptr); });
  SetFileError(hFile == INVALID_HANDLE_VALUE ? GetLastError() : 0);
  return UniqueHandle(hFile);
}

DWORD OpenAccess(int nMode) {
  switch (nMode & 3) {
    case 1: return GENERIC_WRITE;
    case 2: return GENERIC_READ | GENERIC_WRITE;
    default: return GENERIC_READ;
  }
}

DWORD OpenSharing(int nMode) {
  switch (nMode & 0x70) {
    case 32: return FILE_SHARE_READ;
    case 48: return FILE_SHARE_WRITE;
    case 64: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;
  }
}

bool WriteAll(HANDLE hFile, const std::string& cData) {
  for (std::size_t nDone = 0; nDone < cData.size();) {
    const DWORD nChunk = static_cast<DWORD>(std::min<std::size_t>(cData.size() - nDone, 1u << 30));
    DWORD nWritten = 0;
    if (!WriteFile(hFile, cData.data() + nDone, nChunk, &nWritten, nullptr) || nWritten == 0) {
      SetFileError(GetLastError());
      return false;
    }
    nDone += nWritten;
  }
  return true;
}

}  // namespace

bool FILEEXISTS(const std::string& cName) {
  // A name ending in a separator names a directory, which no file matches.
  if (NameStart(cName) == cName.size()) return false;
  return !DIRECTORY(cName, "HS").empty();
}

UniqueHandle FCREATE(const std::string& cName, std::optional<int> nAttribute) {
  const DWORD nAttributes = static_cast<DWORD>(nAttribute.value_or(0)) &
                            (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  return CreateByName(cName, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS,
                      nAttributes ? nAttributes : FILE_ATTRIBUTE_NORMAL);
}

UniqueHandle FOPEN(const std::string& cName, std::optional<int> nMode) {
  const int nOpenMode = nMode.value_or(0);
  return CreateByName(cName, OpenAccess(nOpenMode), OpenSharing(nOpenMode), OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
}

bool FERASE(const std::string& cName) {
  const BOOL lErased = ByPlatformName(ApplyFileCase(cName), DeleteFileA, DeleteFileW);
  SetFileError(lErased ? 0 : GetLastError());
  return lErased;
}

bool MEMOWRIT(const std::string& cName, const std::string& cData, std::optional<bool> lEofMark) {
  const UniqueHandle hFile = CreateByName(cName, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
  if (!hFile) return false;
  return WriteAll(hFile.Get(), cData) && (!lEofMark.value_or(true) || WriteAll(hFile.Get(), "\x1A"));
}

}  // namespace qvz::runtime
