#pragma once
// A window's text as 8-bit bytes of the ANSI code page.

#include <windows.h>

#include <string>

#include "runtime/value.h"

namespace qvz::ui {

// The whole text of the window; "" when hWnd is not a window.
std::string GETWINDOWTEXT(HWND hWnd);

// Puts a text into the window; a value that is not a text is ignored.
void SETWINDOWTEXT(HWND hWnd, const runtime::Value& cText);

}  // namespace qvz::ui
