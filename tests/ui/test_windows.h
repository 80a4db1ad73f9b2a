#pragma once
// Small real windows for the dispatch tests.

#include <windows.h>

#include <string>

namespace qvz::ui::testing {

// The result a window of the plain class gives for every message it gets
// from its own procedure, so a test can tell when the message reached it.
constexpr LRESULT kPlainResult = 0x5A5A;

// A top-level window of a class whose procedure answers kPlainResult to
// WM_COMMNOTIFY and WM_KEYDOWN (counting the latter) and defaults otherwise.
HWND CreatePlainWindow(bool lWide = false);
int PlainKeyDowns(HWND hWnd);

// An in-memory dialog template with no controls.
std::string EmptyDialogTemplate();

}  // namespace qvz::ui::testing
