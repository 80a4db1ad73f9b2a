#include "runtime/text_encoding.h"

#include <windows.h>

namespace qvz::runtime {

bool IsUtf8WithHighBytes(std::string_view cText) {
  bool lHigh = false;
  for (size_t i = 0; i < cText.size();) {
    const auto b = static_cast<unsigned char>(cText[i]);
    int nFollow = 0;
    if (b < 0x80) {
      ++i;
      continue;
    }
    if (b >= 0xC2 && b <= 0xDF) nFollow = 1;
    else if (b >= 0xE0 && b <= 0xEF) nFollow = 2;
    else if (b >= 0xF0 && b <= 0xF4) nFollow = 3;
    else return false;
    if (i + nFollow >= cText.size()) return false;  // left open at the end
    for (int k = 1; k <= nFollow; ++k)
      if ((static_cast<unsigned char>(cText[i + k]) & 0xC0) != 0x80) return false;
    // Overlong forms, surrogates and code points past U+10FFFF are not well-formed.
    const auto b2 = static_cast<unsigned char>(cText[i + 1]);
    if ((b == 0xE0 && b2 < 0xA0) || (b == 0xED && b2 >= 0xA0) || (b == 0xF0 && b2 < 0x90) ||
        (b == 0xF4 && b2 >= 0x90))
      return false;
    lHigh = true;
    i += 1 + nFollow;
  }
  return lHigh;
}

std::wstring WidenByRule(std::string_view cText) {
  if (cText.empty()) return {};
  const UINT nCodePage = IsUtf8WithHighBytes(cText) ? CP_UTF8 : CP_ACP;
  const int nIn = static_cast<int>(cText.size());
  int n = MultiByteToWideChar(nCodePage, 0, cText.data(), nIn, nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(nCodePage, 0, cText.data(), nIn, w.data(), n);
  return w;
}

}  // namespace qvz::runtime
