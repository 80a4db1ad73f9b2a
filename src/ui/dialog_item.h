#pragma once
// A control that lives in a dialog: the dialog manager makes it from its
// item in the dialog's in-memory template, or it is taken by its identifier
// from a dialog made from a resource. It registers with its dialog when
// constructed, is bound to its window once the dialog window exists, and
// leaves the dialog's list when it goes. GUI thread only; the dialog must
// outlive it.

#include <windows.h>

#include <string>

#include "ui/window.h"

namespace qvz::ui {

// A control's place in its dialog, in dialog units; unused for a control
// taken from a resource.
struct ItemPlace {
  int nTop = 0, nLeft = 0, nWidth = 0, nHeight = 0;
};

class TDialogItem : public TWindow {
 public:
  TDialogItem(TWindow& oDlg, int nId, std::string cClass, DWORD nStyle, std::string cCaption,
              ItemPlace oPlace);
  ~TDialogItem() override;

  std::string cToChar() override;
  void Initiate(HWND hDlg) override;

  // Replaces the control's window text.
  void SetText(const std::string& cText);

 protected:
  // The control's own set-up, once it has its window.
  virtual void Setup() {}

 private:
  std::string cClass;
  DWORD nStyle;
  std::string cCaption;
  ItemPlace oPlace;
};

}  // namespace qvz::ui
