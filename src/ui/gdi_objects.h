#pragma once
// Fonts and brushes shared by windows: each window holding one counts as a
// user (shared_ptr), and the platform object goes with its last user.

#include <windows.h>

#include <memory>
#include <string>

namespace qvz::ui {

class TFont {
 public:
  // Takes hFont; when lOwned, it is deleted with the object.
  TFont(HFONT hFont, bool lOwned);
  // A new font of the face, width and height given (height as the platform's
  // logical height, negative for a character height).
  static std::shared_ptr<TFont> Create(const std::string& cFaceName, int nWidth, int nHeight);
  ~TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  HFONT hFont;
  int nChrHeight = 0;  // character cell height in pixels
  int nChrWidth = 0;   // average character width in pixels

 private:
  bool lOwned;
};

class TBrush {
 public:
  explicit TBrush(COLORREF nColor) : hBrush(CreateSolidBrush(nColor)) {}
  ~TBrush() { DeleteObject(hBrush); }
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;

  HBRUSH hBrush;
};

}  // namespace qvz::ui
