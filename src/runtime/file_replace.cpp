#include "runtime/file_replace.h"

#include <windows.h>

#include <algorithm>

#include "runtime/file_case.h"
#include "runtime/file_error.h"
#include "runtime/platform_name.h"
#include "runtime/unique_handle.h"

namespace qvz::runtime {
namespace {

// Writes everything and flushes it to the disk; the platform's error code,
// or 0.
DWORD WriteAndFlush(HANDLE hFile, const std::string& cData) {
  size_t nDone = 0;
  while (nDone < cData.size()) {
    DWORD nChunk = static_cast<DWORD>(std::min<size_t>(cData.size() - nDone, 1 << 20));
    DWORD nWritten = 0;
    if (!WriteFile(hFile, cData.data() + nDone, nChunk, &nWritten, nullptr)) return GetLastError();
    if (nWritten == 0) return ERROR_WRITE_FAULT;
    nDone += nWritten;
  }
  return FlushFileBuffers(hFile) ? 0 : GetLastError();
}

}  // namespace

bool REPLACEFILE(const std::string& cName, const std::string& cData) {
  const std::wstring wTarget = WidePlatformName(ApplyFileCase(cName));
  const auto nSlash = wTarget.find_last_of(L"\\/");
  const std::wstring wFolder = nSlash == std::wstring::npos ? L"." : wTarget.substr(0, nSlash + 1);
  // The support library's temporary names begin with 0x7F, so a file left
  // behind by a run that died here is cleaned by the next start-up.
  wchar_t aTemp[MAX_PATH + 16];
  if (!GetTempFileNameW(wFolder.c_str(), L"\x7FQV", 0, aTemp)) {
    SetFileError(GetLastError());
    return false;
  }
  DWORD nError = 0;
  {
    UniqueHandle hFile(CreateFileW(aTemp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    nError = hFile ? WriteAndFlush(hFile.Get(), cData) : GetLastError();
  }
  if (!nError && !MoveFileExW(aTemp, wTarget.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    nError = GetLastError();
  if (nError) DeleteFileW(aTemp);
  SetFileError(nError);
  return nError == 0;
}

}  // namespace qvz::runtime
