#include "util/disk_services.h"

#include <windows.h>

#include "runtime/platform_name.h"

namespace qvz::util {

long long DISKFREESPACE(const std::string& cRoot) {
  ULARGE_INTEGER nTotalFree{};
  const BOOL lKnown = runtime::ByPlatformName(
      cRoot, [&](const char* p) { return GetDiskFreeSpaceExA(p, nullptr, nullptr, &nTotalFree); },
      [&](const wchar_t* p) { return GetDiskFreeSpaceExW(p, nullptr, nullptr, &nTotalFree); });
  return lKnown ? static_cast<long long>(nTotalFree.QuadPart) : -1;
}

int GETDRIVETYPE(const std::string& cRoot) {
  return static_cast<int>(runtime::ByPlatformName(cRoot, GetDriveTypeA, GetDriveTypeW));
}

}  // namespace qvz::util
