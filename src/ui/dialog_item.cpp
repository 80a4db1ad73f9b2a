#include "ui/dialog_item.h"

#include <utility>

#include "ui/dialog_template.h"

namespace qvz::ui {

TDialogItem::TDialogItem(TWindow& oDlg, int nNewId, std::string cNewClass, DWORD nNewStyle,
                         std::string cNewCaption, ItemPlace oNewPlace)
    : cClass(std::move(cNewClass)), nStyle(nNewStyle), cCaption(std::move(cNewCaption)), oPlace(oNewPlace) {
  nId = nNewId;
  oWnd = &oDlg;
  oDlg.DefControl(this);
}

TDialogItem::~TDialogItem() { LeaveParent(); }

std::string TDialogItem::cToChar() {
  return CCTRL2CHR(oPlace.nTop, oPlace.nLeft, oPlace.nTop + oPlace.nHeight - 1,
                   oPlace.nLeft + oPlace.nWidth - 1, nId, nStyle, cClass, cCaption);
}

void TDialogItem::Initiate(HWND hDlg) {
  hWnd = GetDlgItem(hDlg, nId);
  if (!hWnd) return;
  if (oFont) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), FALSE);
  Setup();
}

void TDialogItem::SetText(const std::string& cText) {
  if (hWnd) SetWindowTextA(hWnd, cText.c_str());
}

}  // namespace qvz::ui
