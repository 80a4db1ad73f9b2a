#include "util/file_copy.h"

#include <exception>

#include "runtime/error_block.h"
#include "runtime/platform_name.h"
#include "ui/message_pump.h"

namespace qvz::util {

bool COPYFILE(const std::string& cSource, const std::string& cTarget) {
  return runtime::ByPlatformNames(
      cSource, cTarget,
      [](const char* pSource, const char* pTarget) {
        return CopyFileExA(pSource, pTarget, PumpWhileCopying, nullptr, nullptr, 0);
      },
      [](const wchar_t* pSource, const wchar_t* pTarget) {
        return CopyFileExW(pSource, pTarget, PumpWhileCopying, nullptr, nullptr, 0);
      });
}

DWORD CALLBACK PumpWhileCopying(LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, DWORD, DWORD, HANDLE,
                                HANDLE, LPVOID) noexcept {
  try {
    ui::SYSREFRESH();
  } catch (...) {
    runtime::DeliverToErrorBlock(std::current_exception());
  }
  return PROGRESS_CONTINUE;
}

}  // namespace qvz::util
