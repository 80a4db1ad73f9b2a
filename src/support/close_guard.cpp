#include "support/close_guard.h"

#include <windows.h>

#include "runtime/scoped_flag.h"
#include "support/popmsg.h"
#include "ui/control.h"
#include "ui/dialog.h"
#include "ui/folder.h"
#include "ui/window_registry.h"

namespace qvz::support {
namespace {

// Set for exactly the duration of a __VALID call.
bool& GuardRunning() {
  static bool lRunning = false;
  return lRunning;
}

bool IsFolder(const ui::TWindow* o) { return o->ClassName().rfind("TFOLDER", 0) == 0; }

// The class names that occur within "TMETER|TSAY" are labels and meters.
bool IsLabelOrMeter(const ui::TWindow* o) {
  return std::string("TMETER|TSAY").find(o->ClassName()) != std::string::npos;
}

bool Fail(ui::TDialog& oDlg, ui::TControl& oCtrl, const std::string& cMessage) {
  SetFocus(oCtrl.hWnd);
  const COLORREF nPane = oCtrl.nClrPane;
  oCtrl.SetColor(oCtrl.nClrText, RGB(255, 0, 0));
  InvalidateRect(oDlg.hWnd, nullptr, FALSE);
  POPMSG(cMessage, 1);
  oCtrl.SetColor(oCtrl.nClrText, nPane);
  InvalidateRect(oDlg.hWnd, nullptr, FALSE);
  SetFocus(oCtrl.hWnd);
  return false;
}

}  // namespace

bool __VALID(ui::TDialog& oDlg, bool lAsk) {
  const HWND hFocus = GetFocus();
  if (GuardRunning()) return false;
  runtime::ScopedFlag running(GuardRunning());
  const bool lCancel = oDlg.Cargo.IsNil() || (oDlg.Cargo.IsNumber() && oDlg.Cargo.AsInteger() == 2);
  if (lCancel) {
    if (!lAsk) return true;
    UPDATEMODIFY(oDlg);
    if (!oDlg.lModify) return true;
    const bool lYes = POPMSG("Annullo le modifiche?", 5).IsTrue();
    if (!lYes) SetFocus(hFocus);
    return lYes;
  }
  oDlg.Cargo = ui::Value();
  if (ui::TWindow* oFocused = ui::OWNDFROMHWND(hFocus)) oFocused->LostFocus(nullptr);
  if (!__VALID2(oDlg)) return false;
  for (ui::TWindow* oCtrl : oDlg.aControls) {
    if (!IsFolder(oCtrl)) continue;
    auto* oFolder = dynamic_cast<ui::TFolder*>(oCtrl);
    for (size_t i = 0; i < oFolder->aDialogs.size(); ++i) {
      oFolder->SetOption(static_cast<int>(i + 1));
      if (!__VALID2(*oFolder->aDialogs[i])) return false;
    }
  }
  return true;
}

// Values of controls are texts here: the date and number checks of single-line
// edits belong to controls this framework does not have.
bool __VALID2(ui::TDialog& oDlg) {
  for (ui::TWindow* oWnd : oDlg.aControls) {
    if (IsLabelOrMeter(oWnd)) continue;
    auto* oCtrl = dynamic_cast<ui::TControl*>(oWnd);
    if (!oCtrl) continue;
    if (oCtrl->ClassName().rfind("TCOMBOBOX", 0) == 0 && oCtrl->bSetGet) oCtrl->bSetGet(ui::Value(oCtrl->GetText()));
    if (oCtrl->bWhen && !oCtrl->bWhen()) continue;
    if (oCtrl->bCargoCheck && !oCtrl->bCargoCheck(*oCtrl)) return Fail(oDlg, *oCtrl, "Campo non valido.");
  }
  return true;
}

void UPDATEMODIFY(ui::TDialog& oDlg) {
  for (ui::TWindow* oCtrl : oDlg.aControls)
    if (IsFolder(oCtrl))
      for (ui::TDialog* oPage : dynamic_cast<ui::TFolder*>(oCtrl)->aDialogs)
        if (oPage->lModify) oDlg.lModify = true;
}

void RESETMODIFY(ui::TFolder& oFolder) {
  for (ui::TDialog* oPage : oFolder.aDialogs) oPage->lModify = false;
}

}  // namespace qvz::support
