#pragma once
// A push button.

#include "ui/dialog_item.h"

namespace qvz::ui {

class TButton : public TDialogItem {
 public:
  TButton(TWindow& oDlg, int nId, const std::string& cCaption, ItemPlace oPlace = {})
      : TDialogItem(oDlg, nId, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, cCaption,
                    oPlace) {}
};

}  // namespace qvz::ui
