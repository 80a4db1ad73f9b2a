#pragma once
// Saves what a window shows as a 24-bit BMP file, for a person to look at.

#include <windows.h>

#include <string>

namespace qvz::ui::test {

bool SaveWindowPicture(HWND hWnd, const std::string& cPath);

}  // namespace qvz::ui::test
