#include "ui/profile.h"

#include <windows.h>

namespace qvz::ui {
namespace {

const char* TextOrNull(const std::optional<std::string>& c) { return c ? c->c_str() : nullptr; }

constexpr DWORD kBufferSize = 4096;

}  // namespace

std::string GETPVPROFSTRING(const std::optional<std::string>& cSection,
                            const std::optional<std::string>& cEntry,
                            const std::optional<std::string>& cDefault,
                            const std::optional<std::string>& cFile) {
  std::string cBuf(kBufferSize, '\0');
  DWORD n = GetPrivateProfileStringA(TextOrNull(cSection), TextOrNull(cEntry), TextOrNull(cDefault),
                                     cBuf.data(), kBufferSize - 1, TextOrNull(cFile));
  cBuf.resize(n);
  return cBuf;
}

bool WRITEPPROSTRING(const std::optional<std::string>& cSection,
                     const std::optional<std::string>& cEntry,
                     const std::optional<std::string>& cValue,
                     const std::optional<std::string>& cFile) {
  return WritePrivateProfileStringA(TextOrNull(cSection), TextOrNull(cEntry), TextOrNull(cValue),
                                    TextOrNull(cFile)) != FALSE;
}

std::string GETPROFSTRING(const std::optional<std::string>& cSection,
                          const std::optional<std::string>& cEntry,
                          const std::optional<std::string>& cDefault) {
  std::string cBuf(kBufferSize, '\0');
  DWORD n = GetProfileStringA(TextOrNull(cSection), TextOrNull(cEntry), TextOrNull(cDefault),
                              cBuf.data(), kBufferSize - 1);
  cBuf.resize(n);
  return cBuf;
}

}  // namespace qvz::ui
