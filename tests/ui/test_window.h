#pragma once
// Real windows for the tests, destroyed when their owner object goes.

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

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

// A modeless dialog made by the platform from cTemplate, with a dialog
// procedure that handles nothing; null when the platform refused it.
UniqueWindow MakeDialog(const std::string& cTemplate);

}  // namespace qvz::ui::test
