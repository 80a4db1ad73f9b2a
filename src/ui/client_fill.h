#pragma once
// Laying a control over its parent's client area, beside the bars and panes
// that share it.

#include <windows.h>

namespace qvz::ui {

// Moves hWnd (with repaint) to fill the client area of its parent that the
// top and bottom bars and the left and right panes leave free (null for
// none), inset by nBevel when it is above 0. Without a bevel, a control whose
// parent has neither parent nor owner overhangs the area by one pixel at the
// left, top and right and by two at the bottom, which hides its own border.
void WNDADJCLIENT(HWND hWnd, HWND hTop, HWND hBottom, HWND hLeft, HWND hRight, int nBevel);

}  // namespace qvz::ui
