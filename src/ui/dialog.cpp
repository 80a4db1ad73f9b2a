#include "ui/dialog.h"

#include <algorithm>
#include <cmath>

#include "ui/control.h"
#include "ui/dialog_runners.h"
#include "ui/dialog_settings.h"
#include "ui/dialog_template.h"
#include "ui/framework_cells.h"
#include "ui/framework_error.h"
#include "ui/framework_messages.h"
#include "ui/message_pump.h"
#include "ui/modeless_list.h"
#include "ui/system_font.h"
#include "ui/window_default.h"
#include "ui/window_geometry.h"
#include "ui/window_registry.h"

namespace qvz::ui {
namespace {

constexpr DWORD kDefaultStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kResizableFrame = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr const char* kNoMoreModeless = "Not possible to create more non-modal Dialogs";

int& ActivationsInProgress() {
  static int nCount = 0;
  return nCount;
}

std::string WithoutTrailingBlanks(std::string c) {
  while (!c.empty() && c.back() == ' ') c.pop_back();
  return c;
}

std::string ClassOf(HWND hWnd) {
  char aName[64] = {};
  GetClassNameA(hWnd, aName, sizeof aName);
  return aName;
}

}  // namespace

int TDialog::nActivations() { return ActivationsInProgress(); }

TDialog::~TDialog() {
  if (hIcon) DestroyIcon(hIcon);
}

TDialog& TDialog::New(const NewArgs& a) {
  int nNewTop = a.nTop.value_or(0), nNewLeft = a.nLeft.value_or(0);
  int nNewBottom = a.nBottom.value_or(10), nNewRight = a.nRight.value_or(40);
  bool lPixels = a.lPixels;
  if (a.nPixelRight != 0 || a.nPixelBottom != 0) {
    lPixels = true;
    if (a.nPixelBottom != 0) nNewBottom = a.nPixelBottom;
    if (a.nPixelRight != 0) nNewRight = a.nPixelRight;
  }
  lTransparent = a.lTransparent || !a.aGradColors.empty() || !DialogGradient().empty();
  aControls.clear();
  cResName = a.cResName;
  cCaption = a.cCaption ? std::optional(WithoutTrailingBlanks(*a.cCaption)) : std::nullopt;
  hResources = a.hResources ? a.hResources : GetModuleHandleA(nullptr);
  lModify = true;
  lVbx = a.lVbx;
  lVisible = false;
  nResult = 0;
  nStyle = a.nStyle.value_or(kDefaultStyle | (a.lResizable ? kResizableFrame : 0));
  oWnd = a.oWnd;
  if (a.oFont) oFont = a.oFont;
  nLastKey = 0;
  nHelpId = a.nHelpId;
  lResize16 = false;
  aGradColors = a.aGradColors;
  cVarName = a.cVarName;
  lUnicode = a.lUnicode.value_or(UnicodeSwitch());
  lTruePixel = a.lTruePixel.value_or(false);
  if (a.cIcon) {
    bool lFile = GetFileAttributesA(a.cIcon->c_str()) != INVALID_FILE_ATTRIBUTES;
    hIcon = static_cast<HICON>(lFile ? LoadImageA(nullptr, a.cIcon->c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)
                                     : LoadImageA(GetModuleHandleA(nullptr), a.cIcon->c_str(), IMAGE_ICON, 0, 0, 0));
  }
  SetColor(a.nClrText, a.nClrBack, a.oBrush);
  if (lPixels) {
    nTop = nNewTop, nLeft = nNewLeft, nBottom = nNewBottom, nRight = nNewRight;
  } else {  // text rows and columns
    nTop = static_cast<int>(nNewTop * 15.1);
    nLeft = static_cast<int>(nNewLeft * 7.9);
    nBottom = static_cast<int>(nNewBottom * 15.1);
    nRight = static_cast<int>(nNewRight * 7.9);
  }
  SETWNDDEFAULT(this);
  return *this;
}

void TDialog::DefControl(TWindow* oCtrl) {
  if (!oCtrl->nId) oCtrl->nId = TControl::GetNewId();
  bool lDuplicate = std::any_of(aControls.begin(), aControls.end(),
                                [&](TWindow* o) { return o->nId == oCtrl->nId; });
  if (lDuplicate) {
    RaiseFrameworkError(2, "Duplicated Id", IdOperation(oCtrl->nId));
    return;
  }
  TWindow::DefControl(oCtrl);
}

std::string TDialog::cToChar(HWND hOwner) {
  const DWORD nUnits = GETDLGBASEUNITS();
  const int bx = LOWORD(nUnits), by = HIWORD(nUnits);
  const WndRect r = GETWNDRECT(hOwner);
  std::string cTemplate =
      CDLG2CHR(static_cast<int>(aControls.size()), 8 * (nTop - r.nTop) / by, 4 * (nLeft - r.nLeft) / bx,
               8 * (nBottom - r.nTop) / by, 4 * (nRight - r.nLeft) / bx, cCaption.value_or(""), nStyle);
  for (TWindow* oCtrl : aControls) {
    std::string cItem = oCtrl->cToChar();
    if (cItem.empty()) return {};  // a header counting an item that is not there is no template
    cTemplate += cItem;
  }
  return cTemplate;
}

void TDialog::Activate() { Activate(ActivateArgs{}); }

void TDialog::Activate(ActivateArgs a) {
  if (!a.lModal) a.lModal = true;
  nLastKey = 0;
  ++ActivationsInProgress();
  HWND hOwner = nullptr;
  if (oWnd)
    hOwner = oWnd->hWnd;
  else if (ActivationsInProgress() > 1 || LWRUNNING())
    hOwner = GetActiveWindow();
  else
    hOwner = GETWNDAPP();

  bLClicked = std::move(a.bLClicked);
  bMoved = std::move(a.bMoved);
  bPainted = std::move(a.bPainted);
  lCentered = a.lCentered;
  bValid = std::move(a.bValid);
  lModal = *a.lModal;
  bInit = std::move(a.bInit);
  bRClicked = std::move(a.bRClicked);
  bWhen = std::move(a.bWhen);
  lResize16 = a.lResize16;
  lCenterInWnd = a.lCenterInWnd;
  nResult = Value();
  lValidating = false;
  lVisible = true;

  if (bWhen && !bWhen(*this)) {
    nResult = 2;
    lVisible = false;
    --ActivationsInProgress();
    return;
  }
  const bool lFromResource = !cResName.IsNil() && !(cResName.IsText() && cResName.AsText().empty());
  HINSTANCE hInstance = GetModuleHandleA(nullptr);
  if (lModal) {
    int nEnd;
    if (lFromResource)
      nEnd = lUnicode ? DIALOGBOXW(hResources, cResName, hOwner, this) : DIALOGBOX(hResources, cResName, hOwner, this);
    else {
      std::string cTemplate = cResData.empty() ? cToChar(hOwner) : cResData;
      nEnd = lUnicode ? DIALOGBOXINDIRECTW(hInstance, cTemplate, hOwner, this)
                      : DIALOGBOXINDIRECT(hInstance, cTemplate, hOwner, this);
    }
    nResult = nEnd;
    if (nEnd == kDialogNotCreated) CREATEDLGERROR(*this);
  } else if (!aControls.empty() && !CANREGDIALOG()) {
    MessageBoxA(nullptr, kNoMoreModeless, "Alert", MB_OK | MB_ICONWARNING);
  } else {
    if (lFromResource)
      hWnd = lUnicode ? CREATEDLGW(hResources, cResName, hOwner, this) : CREATEDLG(hResources, cResName, hOwner, this);
    else
      hWnd = lUnicode ? CREATEDLGINDIRECTW(hInstance, cToChar(hOwner), hOwner, this)
                      : CREATEDLGINDIRECT(hInstance, cToChar(hOwner), hOwner, this);
    if (!hWnd) {
      CREATEDLGERROR(*this);
    } else {
      ShowWindow(hWnd, SW_HIDE);
      if (!aControls.empty() && !REGDIALOG(hWnd)) {
        SendMessageA(hWnd, WM_CLOSE, 0, 0);
        MessageBoxA(nullptr, kNoMoreModeless, "Alert", MB_OK | MB_ICONWARNING);
      } else {
        if (Initiate(0, hWnd).IsTrue()) SetFocus(hWnd);
        ShowWindow(hWnd, SW_SHOWNA);
        lVisible = true;
        InvalidateRect(hWnd, nullptr, TRUE);
      }
    }
  }
  --ActivationsInProgress();
  if (lModal) lVisible = false;
}

Value TDialog::HandleEvent(UINT nMsg, WPARAM w, LPARAM l) {
  switch (nMsg) {
    case WM_INITDIALOG: return Initiate(w, reinterpret_cast<HWND>(l));
    case WM_PAINT: return Display();
    case WM_PRINTCLIENT: return 1;
    case WM_LBUTTONDOWN:
      if (lHelpIcon.value_or(false)) {
        Help(0, 0);
        return {};
      }
      break;
  }
  return TWindow::HandleEvent(nMsg, w, l);
}

Value TDialog::Initiate(WPARAM, HWND hDlg) {
  bool lFocus = true;
  if (hDlg) hWnd = hDlg;
  if (!lModal) Link();
  if (oFont) {
    SetFont(oFont);
  } else if (oWnd && oWnd->oFont) {
    oFont = oWnd->oFont;
    SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), FALSE);
  } else if (HFONT hCurrent = reinterpret_cast<HFONT>(SendMessageA(hWnd, WM_GETFONT, 0, 0))) {
    oFont = std::make_shared<TFont>(hCurrent, false);
  } else {
    // Not sent to the window: it is what the controls take from their parent.
    oFont = TFont::Create(GETSYSFONT(), 0, -12);
  }
  for (TWindow* oCtrl : aControls) oCtrl->Initiate(hWnd);
  if (lCentered) {
    HWND hAround = nullptr;
    if (SETCENTERONPARENT() || lCenterInWnd) hAround = oWnd ? oWnd->hWnd : GETWNDAPP();
    WNDCENTER(hWnd, hAround);
  } else if (cResName.IsNil() && cResData.empty()) {
    Move(nTop, nLeft, std::nullopt, std::nullopt);
  }
  if (cCaption) SetWindowTextA(hWnd, cCaption->c_str());
  if (hIcon) SendMessageA(hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
  LONG_PTR nExStyle = GetWindowLongPtrA(hWnd, GWL_EXSTYLE);
  if (nExStyle & WS_EX_LAYERED) SetWindowLongPtrA(hWnd, GWL_EXSTYLE, nExStyle & ~WS_EX_LAYERED);
  PostMessageA(hWnd, WM_KEYDOWN, VK_TAB, 0);
  if (bInit) {
    Value r = bInit(*this);
    if (r.IsLogical() && !r.IsTrue()) lFocus = false;
  }
  if (hWnd && lHelpIcon.value_or(true))
    SetWindowLongPtrA(hWnd, GWL_EXSTYLE, GetWindowLongPtrA(hWnd, GWL_EXSTYLE) | WS_EX_CONTEXTHELP);
  return lFocus;
}

Value TDialog::Display() {
  BeginPaint();
  Paint();
  EndPaint();
  if (bStart) {
    auto bRun = std::move(bStart);
    bStart = nullptr;
    bRun(Value());
  }
  return false;
}

Value TDialog::Paint() { return bPainted ? bPainted(hDC, cPS, *this) : Value(); }

void TDialog::SetControl(TWindow* oCtrl) {
  oClient = oCtrl;
  ReSize(0, 0, 0);
}

void TDialog::SetFont(std::shared_ptr<TFont> oNewFont) {
  const bool lHadFont = oFont != nullptr;
  std::shared_ptr<TFont> oPrevious = oFont;
  TWindow::SetFont(std::move(oNewFont));
  if (!lHadFont || !hWnd) return;
  // The children get the font the dialog held before the call: from
  // Initiate, that is the dialog's own.
  for (HWND hChild = GetWindow(hWnd, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
    SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(oPrevious->hFont), TRUE);
}

Value TDialog::End(std::optional<int> nEndResult) {
  const int nEnd = nEndResult.value_or(IDCANCEL);
  if (!lModal) {
    PostMessageA(hWnd, WM_CLOSE, static_cast<WPARAM>(nEnd), 0);
  } else {
    if (bValid && !bValid(*this)) return false;
    nResult = nEnd;
    ENDDIALOG(hWnd, nEnd);
  }
  SYSREFRESH();
  return true;
}

Value TDialog::Close(WPARAM nEndResult) {
  if (lModal) return {};
  if (bValid && !bValid(*this)) return false;
  nResult = static_cast<long long>(nEndResult);
  lVisible = false;
  DestroyWindow(hWnd);
  return true;
}

Value TDialog::Command(WPARAM w, LPARAM l) {
  const int nCode = HIWORD(w), nCmdId = LOWORD(w);
  const HWND hCtl = reinterpret_cast<HWND>(l);
  if (hCtl) {
    std::string cClass = ClassOf(hCtl);
    if (lstrcmpiA(cClass.c_str(), "ToolbarWindow32") == 0 || lstrcmpiA(cClass.c_str(), "Edit") == 0) {
      TWindow* oCtl = OWNDFROMHWND(hCtl);
      if (!oCtl) return {};
      oCtl->Command(w, l);
      return true;
    }
  }
  auto ControlWithId = [&](int nWanted) -> TWindow* {
    for (TWindow* o : aControls)
      if (o->nId == nWanted) return o;
    return nullptr;
  };
  if (nCmdId == IDCANCEL && !lModal) {
    if (!lValid()) return false;
    bValid = nullptr;
    End();
    return true;
  }
  if (nCmdId != 0 && nCode == kNotifyClicked) {
    if (hCtl && nCmdId != IDCANCEL) {
      if (oCtlFocus && oCtlFocus->nId != nCmdId && !oCtlFocus->lValid()) return {};
      if (TWindow* oCtl = ControlWithId(nCmdId))
        SendMessageA(oCtl->hWnd, kFrameworkClick, 0, 0);
      else if (nCmdId == IDOK)
        End(IDOK);
      return {};
    }
    if (nCmdId == IDOK) {
      GoNextCtrl(GetFocus());
      return lModal ? Value() : Value(0);
    }
    if (TWindow* oCtl = ControlWithId(nCmdId); oCtl && hCtl && oCtl->hWnd == hCtl) {
      SendMessageA(hCtl, kFrameworkClick, 0, 0);
      return false;
    }
    End(IDCANCEL);
    return {};
  }
  if (nCmdId != 0 && hCtl) {
    if (nCode == kNotifySelChange || nCode == kNotifyEditUpdate) SendMessageA(hCtl, kFrameworkChange, 0, 0);
    if (nCode == kNotifyCloseUp) SendMessageA(hCtl, kFrameworkListClosed, 0, 0);
  }
  return {};
}

Value TDialog::SysCommand(WPARAM nType, LPARAM nLoHi) {
  if ((nType & 0xFFF0) == SC_CLOSE && lModal) {
    if (GetCapture()) ReleaseCapture();
    return false;
  }
  if ((nType & 0xFFF0) == SC_CONTEXTHELP) {
    lHelpIcon = true;
    return false;
  }
  return TWindow::SysCommand(nType, nLoHi);
}

// Escape ends a dialog without a parent, or one whose parent is a dialog.
bool TDialog::CanEndOnEscape() const {
  return SETDIALOGESC() && (!oWnd || dynamic_cast<TDialog*>(oWnd));
}

Value TDialog::KeyDown(WPARAM nKey, LPARAM nFlags) {
  if (nKey == VK_ESCAPE && CanEndOnEscape()) {
    End();
    return {};
  }
  return TWindow::KeyDown(nKey, nFlags);
}

Value TDialog::KeyChar(WPARAM nKey, LPARAM nFlags) {
  if (nKey == VK_ESCAPE) {
    if (oWnd && CanEndOnEscape()) End();
    return {};
  }
  return TWindow::KeyChar(nKey, nFlags);
}

Value TDialog::EraseBkGnd(HDC hEraseDC) {
  if (bEraseBkGnd) return bEraseBkGnd(hEraseDC);
  if (!oBrush) return {};
  RECT rc;
  GetClientRect(hWnd, &rc);
  FillRect(hEraseDC, &rc, oBrush->hBrush);
  return 1;
}

Value TDialog::MouseMove(int nRow, int nCol, WPARAM nFlags) {
  if (lHelpIcon && !*lHelpIcon) SetCursor(oCursor ? oCursor->hCursor : LoadCursorA(nullptr, IDC_ARROW));
  return bMMoved ? bMMoved(nRow, nCol, nFlags) : Value(false);
}

// No help topics are shown: a request only ends the help mode.
Value TDialog::Help(WPARAM, LPARAM) {
  lHelpIcon.reset();
  return 1;
}

Value TDialog::GotFocus(HWND hPrev) {
  lFocused = true;
  return bGotFocus ? bGotFocus(*this, hPrev) : Value();
}

Value TDialog::LostFocus(HWND hNext) {
  lFocused = false;
  return bLostFocus ? bLostFocus(*this, hNext) : Value();
}

Value TDialog::NcActivate(bool lActive) { return bNcActivate ? bNcActivate(lActive, *this) : Value(); }

Value TDialog::QueryEndSession() { return !End().IsTrue(); }

Value TDialog::Destroy() {
  TWindow::Destroy();
  return lModal ? Value() : Value(true);
}

void CREATEDLGERROR(const TDialog& oDlg) {
  std::string cOperation = "\r\n" + std::string(22, ' ');
  if (!oDlg.cResName.IsNil())
    cOperation += "Resource: " + (oDlg.cResName.IsNumber() ? std::to_string(oDlg.cResName.AsInteger())
                                                           : oDlg.cResName.AsText());
  else
    cOperation += "Title: " + oDlg.cCaption.value_or("");
  RaiseFrameworkError(3, "Cannot create Dialog Box", cOperation);
}

}  // namespace qvz::ui
