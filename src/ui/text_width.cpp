#include "ui/text_width.h"

namespace qvz::ui {
namespace {

class WindowDC {
 public:
  explicit WindowDC(HWND hWnd) : hWnd(hWnd), hDC(GetDC(hWnd)) {}
  ~WindowDC() {
    if (hDC) ReleaseDC(hWnd, hDC);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HWND hWnd;
  HDC hDC;
};

}  // namespace

int GETTEXTWIDTH(HWND hWnd, const std::string& cText) {
  WindowDC oDC(hWnd);
  SIZE oSize{};
  if (!oDC.hDC || !GetTextExtentPoint32A(oDC.hDC, cText.data(), static_cast<int>(cText.size()), &oSize))
    return 0;
  return oSize.cx;
}

}  // namespace qvz::ui
