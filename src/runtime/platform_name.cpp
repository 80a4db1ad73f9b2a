#include "runtime/platform_name.h"

#include <windows.h>

namespace qvz::runtime {
namespace {

// The length of the UTF-8 sequence at position i, or 0 when it is not a
// well-formed one (overlong forms, surrogates and values above U+10FFFF
// included).
std::size_t SequenceLength(const std::string& cText, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(cText[k]); };
  const unsigned char b0 = byte(i);
  if (b0 < 0x80) return 1;
  std::size_t nLength;
  unsigned char nLow = 0x80, nHigh = 0xBF;  // the range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    nLength = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    nLength = 3;
    if (b0 == 0xE0) nLow = 0xA0;
    if (b0 == 0xED) nHigh = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    nLength = 4;
    if (b0 == 0xF0) nLow = 0x90;
    if (b0 == 0xF4) nHigh = 0x8F;
  } else {
    return 0;
  }
  if (i + nLength > cText.size()) return 0;
  if (byte(i + 1) < nLow || byte(i + 1) > nHigh) return 0;
  for (std::size_t k = i + 2; k < i + nLength; ++k)
    if (byte(k) < 0x80 || byte(k) > 0xBF) return 0;
  return nLength;
}

UINT FileCodePage() { return AreFileApisANSI() ? GetACP() : GetOEMCP(); }

std::wstring ToWide(UINT nCodePage, const std::string& cText) {
  if (cText.empty()) return {};
  const int nSize = static_cast<int>(cText.size());
  const int nWide = MultiByteToWideChar(nCodePage, 0, cText.data(), nSize, nullptr, 0);
  std::wstring wText(static_cast<std::size_t>(nWide), L'\0');
  MultiByteToWideChar(nCodePage, 0, cText.data(), nSize, wText.data(), nWide);
  return wText;
}

std::string FromWide(UINT nCodePage, const std::wstring& wText, BOOL* pLost) {
  if (wText.empty()) return {};
  const int nSize = static_cast<int>(wText.size());
  const DWORD nFlags = pLost ? WC_NO_BEST_FIT_CHARS : 0;
  const int nBytes = WideCharToMultiByte(nCodePage, nFlags, wText.data(), nSize, nullptr, 0, nullptr, nullptr);
  std::string cText(static_cast<std::size_t>(nBytes), '\0');
  WideCharToMultiByte(nCodePage, nFlags, wText.data(), nSize, cText.data(), nBytes, nullptr, pLost);
  return cText;
}

}  // namespace

bool IsUtf8Name(const std::string& cName) {
  bool lHighByte = false;
  for (std::size_t i = 0; i < cName.size();) {
    const std::size_t nLength = SequenceLength(cName, i);
    if (nLength == 0) return false;
    lHighByte = lHighByte || nLength > 1;
    i += nLength;
  }
  return lHighByte;
}

std::wstring Utf8ToWide(const std::string& cUtf8) { return ToWide(CP_UTF8, cUtf8); }

std::wstring AnsiToWide(const std::string& cText) { return ToWide(CP_ACP, cText); }

std::wstring WidePlatformName(const std::string& cName) {
  return IsUtf8Name(cName) ? Utf8ToWide(cName) : ToWide(FileCodePage(), cName);
}

std::string NameFromPlatform(const std::wstring& wName) {
  const UINT nCodePage = FileCodePage();
  // Under a UTF-8 code page the A form of a name is its UTF-8 form.
  if (nCodePage != CP_UTF8) {
    BOOL lLost = FALSE;
    std::string cAnsi = FromWide(nCodePage, wName, &lLost);
    if (!lLost && !IsUtf8Name(cAnsi)) return cAnsi;
  }
  return FromWide(CP_UTF8, wName, nullptr);
}

}  // namespace qvz::runtime
