#include "ui/window_text.h"

namespace qvz::ui {

std::string GETWINDOWTEXT(HWND hWnd) {
  if (!IsWindow(hWnd)) return {};
  std::string cText(static_cast<size_t>(GetWindowTextLengthA(hWnd)) + 1, '\0');
  cText.resize(static_cast<size_t>(GetWindowTextA(hWnd, cText.data(), static_cast<int>(cText.size()))));
  return cText;
}

void SETWINDOWTEXT(HWND hWnd, const runtime::Value& cText) {
  if (cText.IsText()) SetWindowTextA(hWnd, cText.AsText().c_str());
}

}  // namespace qvz::ui
