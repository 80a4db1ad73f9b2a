#pragma once
// A picture of what a window shows, saved as a PNG file.

#include <windows.h>

#include <string>

namespace qvz::tools {

bool SaveWindowPng(HWND hWnd, const std::string& cPath);

}  // namespace qvz::tools
