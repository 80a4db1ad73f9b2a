#include "ui/window.h"

#include <dde.h>

#include "ui/framework_cells.h"
#include "ui/framework_messages.h"
#include "ui/hot_keys.h"
#include "ui/messages.h"
#include "ui/modeless_list.h"
#include "ui/window_default.h"

namespace qvz::ui {
namespace {

int Lo(LPARAM x) { return static_cast<int>(static_cast<DWORD_PTR>(x) & 0xFFFF); }
int Hi(LPARAM x) { return static_cast<int>((static_cast<DWORD_PTR>(x) >> 16) & 0xFFFF); }
int SignedLo(LPARAM x) { return static_cast<short>(Lo(x)); }
int SignedHi(LPARAM x) { return static_cast<short>(Hi(x)); }

}  // namespace

TWindow::~TWindow() {
  if (hWnd) UnLink();
  if (GETWNDDEFAULT() == this) SETWNDDEFAULT(nullptr);
}

Value TWindow::HandleEvent(UINT nMsg, WPARAM w, LPARAM l) {
  switch (nMsg) {
    case WM_DESTROY: return Destroy();
    case WM_MOVE: return Moved(Hi(l), Lo(l));
    case WM_SIZE: return ReSize(w, Lo(l), Hi(l));
    case WM_SETFOCUS: return GotFocus(reinterpret_cast<HWND>(w));
    case WM_KILLFOCUS: return LostFocus(reinterpret_cast<HWND>(w));
    case WM_PAINT:
      BeginPaint();
      Paint();
      return EndPaint();
    case WM_CLOSE: return Close(w);
    case WM_QUERYENDSESSION: return QueryEndSession();
    case WM_ERASEBKGND: return EraseBkGnd(reinterpret_cast<HDC>(w));
    case WM_SETTINGCHANGE: return OnSettingChange(w, l);
    case WM_ACTIVATEAPP: return AppFocus(w != 0);
    case WM_GETMINMAXINFO: return GetMinMaxInfo(l);
    case WM_DRAWITEM: return DrawItem(w, l);
    case WM_MEASUREITEM: return MeasureItem(w, l);
    case WM_QUERYDRAGICON: return QueryDragIcon();
    case WM_COMMNOTIFY: return CommNotify(w, l);
    case WM_NOTIFY: return Notify(w, l);
    case WM_HELP: return Help(w, l);
    case WM_DISPLAYCHANGE: return OnDisplayChange(w, Lo(l), Hi(l));
    case WM_NCACTIVATE: return NcActivate(w != 0);
    case WM_GETDLGCODE: return GetDlgCode(w);
    case WM_NCMOUSEMOVE: return NcMouseMove(w, Hi(l), Lo(l));
    case WM_KEYDOWN: return KeyDown(w, l);
    case WM_CHAR: return KeyChar(w, l);
    case WM_COMMAND: return Command(w, l);
    case WM_SYSCOMMAND: return SysCommand(w, l);
    case WM_TIMER: return Timer(w, l);
    case WM_HSCROLL: return HScroll(w, l);
    case WM_VSCROLL: return VScroll(w, l);
    case WM_INITMENUPOPUP: return InitMenuPopup(w, Lo(l), Hi(l) != 0);
    case WM_GESTURE: return HandleGesture(w, l);
    case WM_MENUSELECT: return MenuSelect(Lo(w), Hi(l), l);
    case WM_MENUCHAR: return MenuChar(Lo(w), Hi(l), l);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: return CtlColor(reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w));
    case WM_MOUSEMOVE: return MouseMove(Hi(l), Lo(l), w);
    case WM_LBUTTONDOWN: {
      bool lTouch = (static_cast<DWORD>(GetMessageExtraInfo()) & 0xFF515700) == 0xFF515700;
      return LButtonDown(Hi(l), Lo(l), w, lTouch);
    }
    case WM_LBUTTONUP: return LButtonUp(Hi(l), Lo(l), w);
    case WM_LBUTTONDBLCLK: return LDblClick(Hi(l), Lo(l), w);
    case WM_RBUTTONDOWN: return RButtonDown(Hi(l), Lo(l), w);
    case WM_RBUTTONUP: return RButtonUp(Hi(l), Lo(l), w);
    case WM_MBUTTONDOWN: return MButtonDown(Hi(l), Lo(l), w);
    case WM_MBUTTONUP: return MButtonUp(Hi(l), Lo(l), w);
    case WM_MOUSEWHEEL:
      return MouseWheel(Lo(static_cast<LPARAM>(w)), SignedHi(static_cast<LPARAM>(w)), SignedLo(l),
                        SignedHi(l));
    case WM_DEVICECHANGE: return OnDeviceChange(w, l);
    case WM_DROPFILES: return DropFiles(w);
    case WM_MOUSELEAVE: return MouseLeave(Hi(l), Lo(l), w);
    case WM_QUERYNEWPALETTE: return QueryNewPalette();
    case WM_PALETTECHANGED: return PaletteChanged(w);
    case WM_DDE_INITIATE: return DdeInitiate(w, Lo(l), Hi(l));
    case WM_DDE_TERMINATE: return DdeTerminate(w);
    case WM_DDE_ACK: return DdeAck(w, l);
    case WM_DDE_EXECUTE: return DdeExecute(w, l);
    case kFrameworkDrawItem1:
    case kFrameworkDrawItem2: return DrawItem(w, l);
    case kFrameworkHelpF1: return HelpF1();
    case kFrameworkDropOver: return DropOver(Lo(l), Hi(l), l);
    case kFrameworkAsyncSelect: return AsyncSelect(w, l);
    case kFrameworkTaskBar: return TaskBar(w, l);
    default: return {};
  }
}

Value TWindow::CommNotify(WPARAM nComm, LPARAM nStatus) {
  return bCommNotify ? bCommNotify(nComm, nStatus) : Value();
}

Value TWindow::SysCommand(WPARAM nType, LPARAM) {
  if (nType == SC_KEYMENU) {
    Value result;
    if (RunHotKey(VK_F10, *this, result)) return 0;
  }
  if (nType == SC_CLOSE || nType == 0xF063) return End();
  return {};
}

Value TWindow::KeyDown(WPARAM nKey, LPARAM nFlags) {
  if (nKey == VK_TAB && oWnd) {
    if (GetKeyState(VK_SHIFT) & 0x8000)
      oWnd->GoPrevCtrl(hWnd);
    else
      oWnd->GoNextCtrl(hWnd);
    return 0;
  }
  Value result;
  if (RunHotKey(nKey, *this, result)) return 0;
  if (nKey == VK_F1) return 0;
  if (OnKeyDown) OnKeyDown(*this, nKey, nFlags);
  if (bKeyDown) return bKeyDown(nKey, nFlags, *this);
  if (oWnd && oWnd->hWnd && IsChild(oWnd->hWnd, hWnd)) oWnd->KeyDown(nKey, nFlags);
  return {};
}

Value TWindow::KeyChar(WPARAM nKey, LPARAM nFlags) {
  Value result;
  if ((static_cast<DWORD_PTR>(nFlags) & 0x1000000) && RunHotKey(nKey, *this, result)) return result;
  if (bKeyChar) return bKeyChar(nKey, nFlags);
  if (nKey == VK_ESCAPE && oWnd) oWnd->KeyChar(nKey, nFlags);
  return {};
}

Value TWindow::ReSize(WPARAM nSizeType, int nNewWidth, int nNewHeight) {
  CoorsUpdate();
  if (oClient) oClient->AdjClient();
  if (OnResize) OnResize(*this);
  if (bResized) bResized(nSizeType, nNewWidth, nNewHeight);
  return {};
}

Value TWindow::GotFocus(HWND hPrev) {
  lFocused = true;
  if (bGotFocus) bGotFocus(*this, hPrev);
  if (hCtlFocus) {
    SetFocus(hCtlFocus);
  } else if (!aControls.empty()) {
    hCtlFocus = GetNextDlgTabItem(hWnd, nullptr, FALSE);
    if (hCtlFocus) SetFocus(hCtlFocus);
  }
  return 0;
}

Value TWindow::LostFocus(HWND hNext) {
  lFocused = false;
  return bLostFocus ? bLostFocus(*this, hNext) : Value();
}

Value TWindow::BeginPaint() {
  ++nPaintCount;
  hDC = ::BeginPaint(hWnd, &cPS);
  return {};
}

Value TWindow::EndPaint() {
  --nPaintCount;
  ::EndPaint(hWnd, &cPS);
  cPS = PAINTSTRUCT{};
  hDC = nullptr;
  return 0;
}

Value TWindow::CtlColor(HWND hCtl, HDC hCtlDC) {
  if (GetDlgCtrlID(hCtl) == 0xFFFF || GetParent(hCtl) != hWnd) return {};
  return SENDMESSAGE(hCtl, kColorRequest, reinterpret_cast<WPARAM>(hCtlDC), Value(0));
}

Value TWindow::GoNextCtrl(HWND hCtrl) {
  if (HWND hNext = GetNextDlgTabItem(hWnd, hCtrl, FALSE)) SetFocus(hNext);
  return {};
}

Value TWindow::GoPrevCtrl(HWND hCtrl) {
  if (HWND hPrev = GetNextDlgTabItem(hWnd, hCtrl, TRUE)) SetFocus(hPrev);
  return {};
}

bool TWindow::lValid() { return bValid ? bValid(*this) : true; }

Value TWindow::End() {
  bool lOk = lValid();
  if (lOk) PostMsg(WM_CLOSE);
  return lOk;
}

Value TWindow::Destroy() {
  oBrush.reset();
  oFont.reset();
  if (!hWnd && nResult.AsInteger() == 0) return {};
  if (hWnd) UnLink();
  if (hWnd && hWnd == GETWNDAPP()) PostQuitMessage(0);
  DEREGDIALOG(hWnd);
  if (GETWNDDEFAULT() == this) SETWNDDEFAULT(nullptr);
  hWnd = nullptr;
  return {};
}

int TWindow::nWidth(std::optional<int> nNew) {
  if (nNew) SetSize(nNew, std::nullopt);
  if (!hWnd) return nRight - nLeft + 1;
  RECT rc;
  GetWindowRect(hWnd, &rc);
  return rc.right - rc.left;
}

int TWindow::nHeight(std::optional<int> nNew) {
  if (nNew) SetSize(std::nullopt, nNew);
  if (!hWnd) return nBottom - nTop + 1;
  RECT rc;
  GetWindowRect(hWnd, &rc);
  return rc.bottom - rc.top;
}

void TWindow::CoorsUpdate() {
  if (!hWnd) return;
  RECT rc;
  GetWindowRect(hWnd, &rc);
  if (HWND hParent = GetParent(hWnd); hParent && (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(HWND_DESKTOP, hParent, reinterpret_cast<POINT*>(&rc), 2);
  nTop = rc.top;
  nLeft = rc.left;
  nBottom = rc.bottom;
  nRight = rc.right;
}

void TWindow::Move(std::optional<int> nNewTop, std::optional<int> nNewLeft,
                   std::optional<int> nNewWidth, std::optional<int> nNewHeight, bool lRepaint) {
  CoorsUpdate();
  MoveWindow(hWnd, nNewLeft.value_or(nLeft), nNewTop.value_or(nTop),
             nNewWidth.value_or(nRight - nLeft), nNewHeight.value_or(nBottom - nTop), lRepaint);
  CoorsUpdate();
}

void TWindow::SetSize(std::optional<int> nNewWidth, std::optional<int> nNewHeight, bool lRepaint) {
  Move(std::nullopt, std::nullopt, nNewWidth, nNewHeight, lRepaint);
}

void TWindow::SetColor(std::optional<COLORREF> nText, std::optional<COLORREF> nBack,
                       std::shared_ptr<TBrush> oNewBrush) {
  nClrText = nText.value_or(GetSysColor(COLOR_BTNTEXT));
  nClrPane = nBack.value_or(GetSysColor(COLOR_BTNFACE));
  oBrush = oNewBrush ? std::move(oNewBrush) : std::make_shared<TBrush>(nClrPane);
}

void TWindow::SetFont(std::shared_ptr<TFont> oNewFont) {
  oFont = std::move(oNewFont);
  if (hWnd && oFont) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), TRUE);
}

void TWindow::LeaveParent() {
  if (!oWnd) return;
  std::erase(oWnd->aControls, this);
  if (oWnd->oClient == this) oWnd->oClient = nullptr;
  if (oWnd->oCtlFocus == this) {
    oWnd->oCtlFocus = nullptr;
    oWnd->hCtlFocus = nullptr;
  }
}

void TWindow::DefControl(TWindow* oCtrl) {
  aControls.push_back(oCtrl);
  oCtrl->hWnd = nullptr;
}

Value TWindow::PostMsg(UINT nMsg, WPARAM nWParam, const Value& nLParam) {
  return POSTMESSAGE(hWnd, nMsg, nWParam, nLParam);
}

Value TWindow::SendMsg(UINT nMsg, WPARAM nWParam, const Value& nLParam) {
  return SENDMESSAGE(hWnd, nMsg, nWParam, nLParam);
}

}  // namespace qvz::ui
