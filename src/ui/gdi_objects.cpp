#include "ui/gdi_objects.h"

namespace qvz::ui {

TFont::TFont(HFONT hFont, bool lOwned) : hFont(hFont), lOwned(lOwned) {
  if (!hFont) return;
  HDC hScreen = GetDC(nullptr);
  HGDIOBJ hOld = SelectObject(hScreen, hFont);
  TEXTMETRICA tm{};
  if (GetTextMetricsA(hScreen, &tm)) {
    nChrHeight = tm.tmHeight;
    nChrWidth = tm.tmAveCharWidth;
  }
  SelectObject(hScreen, hOld);
  ReleaseDC(nullptr, hScreen);
}

std::shared_ptr<TFont> TFont::Create(const std::string& cFaceName, int nWidth, int nHeight) {
  HFONT h = CreateFontA(nHeight, nWidth, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, cFaceName.c_str());
  return std::make_shared<TFont>(h, true);
}

TFont::~TFont() {
  if (lOwned && hFont) DeleteObject(hFont);
}

}  // namespace qvz::ui
