#pragma once
// An icon control showing one of the system's icons.

#include "ui/dialog_item.h"

namespace qvz::ui {

class TIcon : public TDialogItem {
 public:
  // nSystemIcon is a system icon's number, such as IDI_EXCLAMATION (32515).
  TIcon(TWindow& oDlg, int nId, int nSystemIcon, ItemPlace oPlace)
      : TDialogItem(oDlg, nId, "STATIC", WS_CHILD | WS_VISIBLE | SS_ICON, "", oPlace),
        nSystemIcon(nSystemIcon) {}

 protected:
  // System icons are shared: the control shows the icon and never destroys it.
  void Setup() override {
    SendMessageA(hWnd, STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadIconA(nullptr, MAKEINTRESOURCEA(nSystemIcon))), 0);
  }

 private:
  int nSystemIcon;
};

}  // namespace qvz::ui
