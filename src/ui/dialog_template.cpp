#include "ui/dialog_template.h"

#include <windows.h>

#include <algorithm>
#include <new>

namespace qvz::ui {
namespace {

void AppendWord(std::string& cRecord, unsigned nValue) {
  cRecord.push_back(static_cast<char>(nValue & 0xFF));
  cRecord.push_back(static_cast<char>((nValue >> 8) & 0xFF));
}

void AppendDword(std::string& cRecord, std::uint32_t nValue) {
  AppendWord(cRecord, nValue & 0xFFFF);
  AppendWord(cRecord, nValue >> 16);
}

// The program's texts are in the ANSI code page, the one every other text
// reaches the platform in through the A functions; the same bytes thus show
// the same characters in a template as in a window title or a message box.
// The text is read up to its first NUL: a NUL inside it would end the field
// early and shift every field after it.
void AppendText(std::string& cRecord, const std::string& cText) {
  // Counts and converts the terminating 0 too; a failed count leaves the 0 alone.
  int nChars = MultiByteToWideChar(CP_ACP, 0, cText.c_str(), -1, nullptr, 0);
  std::wstring cWide(std::max(nChars, 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, cText.c_str(), -1, cWide.data(), nChars);
  for (wchar_t c : cWide) AppendWord(cRecord, static_cast<unsigned>(c));
}

// Unsigned arithmetic: the low 16 bits of the sizes come out right for any
// edges, without a signed overflow.
void AppendRectangle(std::string& cRecord, int nTop, int nLeft, int nBottom, int nRight) {
  const auto nX = static_cast<unsigned>(nLeft);
  const auto nY = static_cast<unsigned>(nTop);
  AppendWord(cRecord, nX);
  AppendWord(cRecord, nY);
  AppendWord(cRecord, static_cast<unsigned>(nRight) - nX + 1);
  AppendWord(cRecord, static_cast<unsigned>(nBottom) - nY + 1);
}

void PadToDword(std::string& cRecord) { cRecord.resize((cRecord.size() + 3) & ~std::size_t{3}, '\0'); }

}  // namespace

std::string CDLG2CHR(int nItems, int nTop, int nLeft, int nBottom, int nRight,
                     const std::string& cCaption, std::uint32_t nStyle,
                     std::optional<int> nPointSize, std::optional<std::string> cFaceName) {
  std::uint32_t nExStyle = 0;
  if (nStyle == 2) {
    nStyle = 0x80000002;
    nExStyle = WS_EX_TRANSPARENT;
  } else if (nStyle == 0x10000000) {
    nStyle = 0xC0000000;
  }
  std::string cRecord;
  AppendDword(cRecord, nStyle);
  AppendDword(cRecord, nExStyle);
  AppendWord(cRecord, static_cast<unsigned>(nItems));
  AppendRectangle(cRecord, nTop, nLeft, nBottom, nRight);
  AppendWord(cRecord, 0);  // menu: none
  AppendWord(cRecord, 0);  // window class: the platform's dialog class
  AppendText(cRecord, cCaption);
  // Either one given asks for the font fields, and the platform reads both or
  // neither: the one left out is written as 0 or "", what an absent number or
  // text stands for.
  if (nPointSize || cFaceName) {
    AppendWord(cRecord, static_cast<unsigned>(nPointSize.value_or(0)));
    AppendText(cRecord, cFaceName.value_or(""));
  }
  PadToDword(cRecord);
  return cRecord;
}

std::string CCTRL2CHR(int nTop, int nLeft, int nBottom, int nRight, int nId,
                      std::uint32_t nStyle, const std::string& cClass, const std::string& cCaption) {
  try {
    std::string cRecord;
    AppendDword(cRecord, nStyle);
    AppendDword(cRecord, 0);  // extended style
    AppendRectangle(cRecord, nTop, nLeft, nBottom, nRight);
    AppendWord(cRecord, static_cast<unsigned>(nId));
    AppendText(cRecord, cClass);
    AppendText(cRecord, cCaption);
    AppendWord(cRecord, 0);  // creation data: none
    PadToDword(cRecord);
    return cRecord;
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace qvz::ui
