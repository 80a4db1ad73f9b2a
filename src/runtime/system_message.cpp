#include "runtime/system_message.h"

#include <windows.h>

namespace qvz::runtime {

std::string SystemMessage(unsigned long nCode) {
  char* pText = nullptr;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, nCode, 0, reinterpret_cast<char*>(&pText), 0, nullptr);
  std::string c = n ? std::string(pText, n) : "Error " + std::to_string(nCode);
  if (pText) LocalFree(pText);
  while (!c.empty() && (c.back() == '\n' || c.back() == '\r' || c.back() == ' ')) c.pop_back();
  return c;
}

}  // namespace qvz::runtime
