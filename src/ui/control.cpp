#include "ui/control.h"

#include "ui/client_fill.h"
#include "ui/dialog_template.h"
#include "ui/framework_cells.h"
#include "ui/framework_error.h"
#include "ui/framework_messages.h"
#include "ui/system_font.h"
#include "ui/window_geometry.h"
#include "ui/window_text.h"

namespace qvz::ui {
TControl::~TControl() { LeaveParent(); }

int TControl::GetNewId() {
  static int nInitID = 100;
  nInitID = nInitID < 30000 ? nInitID + 1 : 100;
  return nInitID;
}

Value TControl::HandleEvent(UINT nMsg, WPARAM w, LPARAM l) {
  switch (nMsg) {
    case WM_KILLFOCUS: return KillFocus(reinterpret_cast<HWND>(w));
    case WM_PAINT: return Display();
    case kColorRequest: return Colors(reinterpret_cast<HDC>(w));
    default: return TWindow::HandleEvent(nMsg, w, l);
  }
}

void TControl::Initiate(HWND hDlg) {
  hWnd = GetDlgItem(hDlg, nId);
  if (!hWnd) {
    RaiseFrameworkError(1, "Non defined Id", IdOperation(nId));
    return;
  }
  EnableWindow(hWnd, lActive);
  Link();
  TakeFont();
}

void TControl::Create(const std::string& cClass) {
  hWnd = CreateWindowExA(nExStyle, cClass.c_str(), "", nStyle, nLeft, nTop, nRight - nLeft + 1,
                         nBottom - nTop + 1, oWnd->hWnd,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(nId)), GetModuleHandleA(nullptr),
                         nullptr);
  if (!hWnd) {
    RaiseFrameworkError(6, "Cannot create window or control", IdOperation(nId));
    return;
  }
  Link();
  TakeFont();
  oWnd->aControls.push_back(this);
}

void TControl::TakeFont() {
  if (oFont)
    SetFont(oFont);
  else
    GetFont();
  if (lTransparent && oWnd && oWnd->oBrush) oBrush = oWnd->oBrush;
}

void TControl::AdjClient() {
  // The framework's windows have no bars or panes beside their client control.
  if (hWnd) WNDADJCLIENT(hWnd, nullptr, nullptr, nullptr, nullptr, nClientBevel);
}

std::shared_ptr<TFont> TControl::GetFont() {
  if (oFont) return oFont;
  // A dialog settles its own font before it initiates its controls.
  if (oWnd && oWnd->oFont) {
    oFont = oWnd->oFont;
  } else if (HFONT hCurrent = reinterpret_cast<HFONT>(SendMessageA(hWnd, WM_GETFONT, 0, 0))) {
    oFont = std::make_shared<TFont>(hCurrent, false);
    return oFont;
  } else {
    oFont = TFont::Create(GETSYSFONT(), 0, -12);
  }
  if (hWnd) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), TRUE);
  return oFont;
}

Value TControl::GotFocus(HWND hPrev) {
  lFocused = true;
  if (oWnd) {
    oWnd->oCtlFocus = this;
    oWnd->hCtlFocus = hWnd;
  }
  if (bGotFocus) bGotFocus(*this, hPrev);
  return {};
}

Value TControl::KillFocus(HWND hNext) { return LostFocus(hNext); }

Value TControl::KeyDown(WPARAM nKey, LPARAM nFlags) {
  if (nKey == VK_ESCAPE && oWnd) {
    oWnd->KeyDown(nKey, nFlags);
    return 0;
  }
  return TWindow::KeyDown(nKey, nFlags);
}

Value TControl::Colors(HDC hColorDC) {
  if (!oBrush) oBrush = std::make_shared<TBrush>(nClrPane);
  SetTextColor(hColorDC, nClrText);
  SetBkColor(hColorDC, nClrPane);
  const HBRUSH hBrush = lTransparent && oWnd && oWnd->oBrush ? oWnd->oBrush->hBrush : oBrush->hBrush;
  return static_cast<long long>(reinterpret_cast<INT_PTR>(hBrush));
}

std::string TControl::GetText() const { return GETWINDOWTEXT(hWnd); }

Value TControl::VarGet() const { return bSetGet ? bSetGet(std::nullopt) : Value(); }

void TControl::VarPut(const Value& vNew) {
  if (bSetGet) bSetGet(vNew);
}

std::string TControl::ItemRecord(const std::string& cClass, const std::string& cCaption) {
  if (!nId) nId = GetNewId();
  if (!nStyle) nStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  const int nUnits = GETDLGBASEUNITS();
  const int nBaseWidth = LOWORD(nUnits), nBaseHeight = HIWORD(nUnits);
  const int k = oWnd && oWnd->UsesTruePixels() ? 1 : 2;
  auto Vertical = [&](int n) { return k * 8 * n / nBaseHeight; };
  auto Horizontal = [&](int n) { return k * 4 * n / nBaseWidth; };
  return CCTRL2CHR(Vertical(nTop), Horizontal(nLeft), Vertical(nBottom), Horizontal(nRight), nId, nStyle,
                   cClass, cCaption);
}

LRESULT TControl::CallOldProc(UINT nMsg, WPARAM w, LPARAM l) {
  if (!nOldProc) return 0;
  return UnicodeSwitch() ? CallWindowProcW(nOldProc, hWnd, nMsg, w, l)
                         : CallWindowProcA(nOldProc, hWnd, nMsg, w, l);
}

}  // namespace qvz::ui
