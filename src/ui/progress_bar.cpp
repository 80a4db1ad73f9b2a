#include "ui/progress_bar.h"

#include <commctrl.h>

namespace qvz::ui {
namespace {

// The progress class is registered by the common controls library on request.
void RegisterProgressClass() {
  static const bool lRegistered = [] {
    INITCOMMONCONTROLSEX oClasses{sizeof oClasses, ICC_PROGRESS_CLASS};
    return InitCommonControlsEx(&oClasses) != FALSE;
  }();
  (void)lRegistered;
}

}  // namespace

TProgress::TProgress(TWindow& oDlg, int nId, ItemPlace oPlace)
    : TDialogItem(oDlg, nId, PROGRESS_CLASSA, WS_CHILD | WS_VISIBLE, "", oPlace) {
  RegisterProgressClass();
}

void TProgress::SetRange(int nNewMin, int nNewMax) {
  nMin = nNewMin;
  nMax = nNewMax;
  if (hWnd) SendMessageA(hWnd, PBM_SETRANGE32, static_cast<WPARAM>(nMin), static_cast<LPARAM>(nMax));
}

void TProgress::SetPos(int nPos) {
  if (hWnd) SendMessageA(hWnd, PBM_SETPOS, static_cast<WPARAM>(nPos), 0);
}

int TProgress::nPos() const { return hWnd ? static_cast<int>(SendMessageA(hWnd, PBM_GETPOS, 0, 0)) : 0; }

}  // namespace qvz::ui
