#pragma once
// Real windows and dialogs for the tests, destroyed when their owner object
// goes.

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

#include "ui/message_pump.h"

namespace qvz::ui::test {

struct WindowDestroyer {
  void operator()(HWND hWnd) const { DestroyWindow(hWnd); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// A hidden window of the platform's STATIC class placed at nX, nY in the
// coordinates of its kind: a child of hParent when nStyle has WS_CHILD,
// otherwise a window on the screen owned by hParent.
UniqueWindow MakeWindow(DWORD nStyle, int nX, int nY, int nWidth, int nHeight,
                        HWND hParent = nullptr);

// A modeless dialog made by the 8-bit dialog manager from cTemplate, owned
// by hOwner, with a dialog procedure that handles nothing; null when the
// platform refused it.
UniqueWindow MakeDialog(const std::string& cTemplate, HWND hOwner = nullptr);

// The template header of a resizable dialog of nItems items, as the
// framework builds it.
std::string DialogHeader(int nItems);

// The framework's pump step, for the harness's waits.
inline void FrameworkPump() { SYSREFRESH(); }

// The result a window of the plain class gives for every message it gets
// from its own procedure, so a test can tell when the message reached it.
constexpr LRESULT kPlainResult = 0x5A5A;

// A top-level window of a class whose procedure answers kPlainResult to
// WM_COMMNOTIFY and WM_KEYDOWN (counting the latter) and defaults otherwise.
HWND CreatePlainWindow(bool lWide = false);
int PlainKeyDowns(HWND hWnd);

}  // namespace qvz::ui::test
