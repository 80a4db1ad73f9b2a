#pragma once
// From a window handle to its window object: the registry of linked windows
// (found by the index in the window's user-data word) and the subclass
// procedure that dispatches their messages.

#include <windows.h>

namespace qvz::ui {

class TWindow;

// The first registered object whose hWnd is hWnd, or null. Modal dialogs are
// never registered.
TWindow* OWNDFROMHWND(HWND hWnd);

// Stores nIndex in the window's user-data word and installs the subclass
// procedure; returns the previous window procedure.
WNDPROC XCHANGEPROC(HWND hWnd, int nIndex);

// Puts nProc back as the window procedure; returns the one it replaced.
WNDPROC RESTPROC(HWND hWnd, WNDPROC nProc);

// The 1-based registry index of a linked object (0 when not linked).
int RegistryIndexOf(const TWindow* oWnd);

}  // namespace qvz::ui
