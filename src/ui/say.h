#pragma once
// A text control: a static text in its dialog.

#include "ui/dialog_item.h"

namespace qvz::ui {

class TSay : public TDialogItem {
 public:
  // Shows cText; "&" is shown as it stands, not as a mnemonic.
  TSay(TWindow& oDlg, int nId, const std::string& cText, ItemPlace oPlace = {})
      : TDialogItem(oDlg, nId, "STATIC", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, cText, oPlace) {}
};

}  // namespace qvz::ui
