#pragma once
// The width a text takes when drawn.

#include <windows.h>

#include <string>

namespace qvz::ui {

// The width in pixels of cText in the drawing context of hWnd (of the screen
// when hWnd is 0), with the font selected in that context.
int GETTEXTWIDTH(HWND hWnd, const std::string& cText);

}  // namespace qvz::ui
