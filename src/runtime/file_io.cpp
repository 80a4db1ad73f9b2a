#include "runtime/file_io.h"

#include <algorithm>

#include "runtime/file_error.h"

namespace qvz::runtime {

int FREAD(HANDLE hFile, std::string& cBuffer, int nBytes) {
  const DWORD nWanted = static_cast<DWORD>(std::clamp<long long>(nBytes, 0, static_cast<long long>(cBuffer.size())));
  DWORD nRead = 0;
  const BOOL lRead = nWanted == 0 || ReadFile(hFile, cBuffer.data(), nWanted, &nRead, nullptr);
  SetFileError(lRead ? 0 : GetLastError());
  return lRead ? static_cast<int>(nRead) : 0;
}

long long FSEEK(HANDLE hFile, long long nOffset, std::optional<int> nOrigin) {
  DWORD nMethod = FILE_BEGIN;
  if (nOrigin == 1) nMethod = FILE_CURRENT;
  if (nOrigin == 2) nMethod = FILE_END;
  LARGE_INTEGER nDistance;
  nDistance.QuadPart = nOffset;
  LARGE_INTEGER nPosition{};
  const BOOL lMoved = SetFilePointerEx(hFile, nDistance, &nPosition, nMethod);
  SetFileError(lMoved ? 0 : GetLastError());
  return lMoved ? nPosition.QuadPart : -1;
}

}  // namespace qvz::runtime
