#pragma once
// A progress bar with a range and a position.

#include "ui/dialog_item.h"

namespace qvz::ui {

class TProgress : public TDialogItem {
 public:
  TProgress(TWindow& oDlg, int nId, ItemPlace oPlace = {});

  void SetRange(int nNewMin, int nNewMax);
  void SetPos(int nPos);
  // The bar's position as the control holds it.
  int nPos() const;

  int nMin = 0, nMax = 100;

 protected:
  void Setup() override { SetRange(nMin, nMax); }
};

}  // namespace qvz::ui
