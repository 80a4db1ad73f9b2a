#include "ui/multi_get.h"

#include <algorithm>

#include "ui/async_key.h"
#include "ui/messages.h"
#include "ui/window_default.h"
#include "ui/window_text.h"

namespace qvz::ui {
namespace {

bool CtrlHeld() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

bool IsEditingControlChar(WPARAM nKey) {
  return nKey == 3 || nKey == 22 || nKey == 24 || nKey == 26;  // Ctrl+C, V, X, Z
}

}  // namespace

TMultiGet::TMultiGet(const NewArgs& a) {
  nTop = a.nTop.value_or(0);
  nLeft = a.nLeft.value_or(0);
  nBottom = nTop + a.nHeight.value_or(80) - 1;
  nRight = nLeft + a.nWidth.value_or(200) - 1;
  bSetGet = a.bSetGet;
  oWnd = a.oWnd ? a.oWnd : GETWNDDEFAULT();
  if (a.oFont) SetFont(a.oFont);
  hCursor = a.hCursor;
  cMsg = a.cMsg;
  lUpdate = a.lUpdate;
  bWhen = a.bWhen;
  lReadOnly = a.lReadOnly;
  bValid = a.bValid;
  bChange = a.bChange;
  nStyle = WS_CHILD | WS_VISIBLE | ES_WANTRETURN | ES_MULTILINE | WS_TABSTOP |
           (a.lHScroll ? WS_HSCROLL : 0) | (a.lCenter ? ES_CENTER : 0) | (a.lRight ? ES_RIGHT : 0) |
           (a.lReadOnly ? ES_READONLY : 0) | (a.lNoBorder ? 0 : WS_BORDER) |
           (a.lNoVScroll ? 0 : WS_VSCROLL);
  nExStyle = WS_EX_CLIENTEDGE;
  nId = GetNewId();
  SetColor(a.nClrText.value_or(GetSysColor(COLOR_WINDOWTEXT)),
           a.nClrBack.value_or(GetSysColor(COLOR_WINDOW)));
  // Without a parent, given or default, there is no window to belong to: the
  // control stays unlisted and without a window.
  if (!oWnd) return;
  if (!oWnd->hWnd) {
    oWnd->DefControl(this);
    return;
  }
  Create("EDIT");
  // A window made at once is set up as a linked dialog item is: with the
  // platform's default limit, appended text would be cut.
  if (hWnd) LiftLimitAndShowVariable();
}

std::string TMultiGet::cToChar() { return ItemRecord("EDIT", ""); }

void TMultiGet::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  if (hWnd) LiftLimitAndShowVariable();
}

void TMultiGet::LiftLimitAndShowVariable() {
  SENDMESSAGE(hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nLen), Value(0));
  SETWINDOWTEXT(hWnd, VarGet());
}

void TMultiGet::Refresh() { SETWINDOWTEXT(hWnd, VarGet()); }

void TMultiGet::Assign() { VarPut(GetText()); }

int TMultiGet::GetPos() const {
  // The start comes through the pointer in full: the low word of the result
  // wraps past 65535 characters, and a caret put back there would make the
  // next appended line land in the middle of the log.
  DWORD nStart = 0;
  SENDMESSAGE(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&nStart), Value(0));
  return static_cast<int>(nStart);
}

void TMultiGet::GoBottom() {
  const auto n = static_cast<WPARAM>(VarGet().AsText().size() + 1);
  SENDMESSAGE(hWnd, EM_SETSEL, n, Value(static_cast<long long>(n)));
  SENDMESSAGE(hWnd, EM_LINESCROLL, 0, SENDMESSAGE(hWnd, EM_GETLINECOUNT, 0, Value(0)));
}

Value TMultiGet::HandleEvent(UINT nMsg, WPARAM w, LPARAM l) {
  if (nMsg == kRestoreCaret) {
    const int nLength = GetWindowTextLengthA(hWnd);
    const int nPos = std::max(0, nLength - static_cast<int>(w));
    CallOldProc(EM_SETSEL, static_cast<WPARAM>(nPos), nPos);
    return 0;
  }
  if (nMsg == WM_CUT || nMsg == WM_PASTE || nMsg == WM_CLEAR) {
    if (lReadOnly) return 0;
    CallOldProc(nMsg, w, l);
    if (bChange) bChange(Value(), Value(), *this);
    return 0;
  }
  return TControl::HandleEvent(nMsg, w, l);
}

Value TMultiGet::GotFocus(HWND hPrev) {
  if (lReadOnly) {
    // The caret goes back where it was, counted from the end of the text:
    // lines appended before the posted request arrives are inserted at the
    // caret, so that distance holds while a position from the start would
    // fall behind them and put the next lines in the middle of the log.
    const int nFromEnd = std::max(0, GetWindowTextLengthA(hWnd) - GetPos());
    PostMsg(kRestoreCaret, static_cast<WPARAM>(nFromEnd));
  } else if (GETASYNCKEY(VK_TAB)) {
    PostMsg(EM_SETSEL, 0, Value(-1));
  }
  return TControl::GotFocus(hPrev);
}

Value TMultiGet::LostFocus(HWND hNext) {
  Assign();
  return TControl::LostFocus(hNext);
}

Value TMultiGet::KeyDown(WPARAM nKey, LPARAM nFlags) {
  if (nKey != VK_DELETE || bKeyDown) return TControl::KeyDown(nKey, nFlags);
  if (lReadOnly && !lDelete) return 0;
  CallOldProc(WM_KEYDOWN, nKey, nFlags);
  if (bChange) bChange(static_cast<long long>(nKey), static_cast<long long>(nFlags), *this);
  return 0;
}

Value TMultiGet::KeyChar(WPARAM nKey, LPARAM nFlags) {
  if (nKey < 32 && CtrlHeld()) {
    if (IsEditingControlChar(nKey)) {
      CallOldProc(WM_CHAR, nKey, nFlags);
      if (nKey != 3 && bChange) bChange(static_cast<long long>(nKey), static_cast<long long>(nFlags), *this);
    }
    return 0;
  }
  if (lReadOnly || nKey == VK_TAB || nKey == VK_ESCAPE) return 0;
  CallOldProc(WM_CHAR, nKey, nFlags);
  if (bChange) bChange(static_cast<long long>(nKey), static_cast<long long>(nFlags), *this);
  return 0;
}

Value TMultiGet::LButtonDown(int nRow, int nCol, WPARAM, bool) {
  const int nIndex = CharIndexAt(nCol, nRow);
  PostMsg(EM_SETSEL, static_cast<WPARAM>(nIndex), Value(nIndex));
  return {};  // the platform's window handles the click as well
}

int TMultiGet::CharIndexAt(int nX, int nY) {
  const auto nFound = static_cast<DWORD>(
      SENDMESSAGE(hWnd, EM_CHARFROMPOS, 0, Value(static_cast<long long>(MAKELPARAM(nX, nY)))).AsInteger());
  // The answer holds the index in 16 bits only; the start of the clicked line
  // supplies the bits above them.
  const int nLineStart = static_cast<int>(
      SENDMESSAGE(hWnd, EM_LINEINDEX, HIWORD(nFound), Value(0)).AsInteger());
  return nLineStart + ((static_cast<int>(LOWORD(nFound)) - nLineStart) & 0xFFFF);
}

}  // namespace qvz::ui
