#include "util/file_services.h"

#include <windows.h>

#include "runtime/platform_name.h"
#include "runtime/unique_handle.h"

namespace qvz::util {
namespace {

using runtime::ByPlatformName;
using runtime::ByPlatformNames;
using runtime::UniqueHandle;

// Backup semantics let a directory be opened like a file.
UniqueHandle OpenExisting(const std::string& cName, DWORD nAccess) {
  constexpr DWORD kFlags = FILE_FLAG_BACKUP_SEMANTICS;
  return UniqueHandle(ByPlatformName(
      cName, [&](const char* p) { return CreateFileA(p, nAccess, 0, nullptr, OPEN_EXISTING, kFlags, nullptr); },
      [&](const wchar_t* p) { return CreateFileW(p, nAccess, 0, nullptr, OPEN_EXISTING, kFlags, nullptr); }));
}

}  // namespace

bool CREATEDIR(const std::string& cDir) {
  return ByPlatformName(
      cDir, [](const char* p) { return CreateDirectoryA(p, nullptr); },
      [](const wchar_t* p) { return CreateDirectoryW(p, nullptr); });
}

bool DELETEFILE(const std::string& cFile) { return ByPlatformName(cFile, DeleteFileA, DeleteFileW); }

bool MOVEFILE(const std::string& cOldName, const std::string& cNewName) {
  return ByPlatformNames(cOldName, cNewName, MoveFileA, MoveFileW);
}

bool SETCURDIR(const std::string& cDir) {
  return ByPlatformName(cDir, SetCurrentDirectoryA, SetCurrentDirectoryW);
}

int GETFILEATTRIBUTES(const std::string& cFile) {
  return static_cast<int>(ByPlatformName(cFile, GetFileAttributesA, GetFileAttributesW));
}

bool SETFILEATTRIBUTES(const std::string& cFile, int nAttributes) {
  const DWORD nBits = static_cast<DWORD>(nAttributes);
  return ByPlatformName(
      cFile, [&](const char* p) { return SetFileAttributesA(p, nBits); },
      [&](const wchar_t* p) { return SetFileAttributesW(p, nBits); });
}

bool SETFILEDATETIME(const std::string& cSource, const std::string& cTarget) {
  const UniqueHandle hSource = OpenExisting(cSource, 0);
  if (!hSource) return false;
  const UniqueHandle hTarget = OpenExisting(cTarget, GENERIC_WRITE);
  if (!hTarget) return false;
  FILETIME tLastWrite;
  return GetFileTime(hSource.Get(), nullptr, nullptr, &tLastWrite) &&
         SetFileTime(hTarget.Get(), nullptr, nullptr, &tLastWrite);
}

std::string FULLNAME(const std::string& cFile) {
  return ByPlatformName(
      cFile,
      [](const char* p) -> std::string {
        char aFull[MAX_PATH];
        const DWORD n = GetFullPathNameA(p, MAX_PATH, aFull, nullptr);
        return n > 0 && n < MAX_PATH ? std::string(aFull, n) : std::string();
      },
      [](const wchar_t* p) -> std::string {
        wchar_t aFull[MAX_PATH];
        const DWORD n = GetFullPathNameW(p, MAX_PATH, aFull, nullptr);
        if (n == 0 || n >= MAX_PATH) return {};
        const std::string cFull = runtime::NameFromPlatform(std::wstring(aFull, n));
        return cFull.size() < MAX_PATH ? cFull : std::string();
      });
}

}  // namespace qvz::util
