#include "ui/multi_get.h"

#include <algorithm>

#include "ui/async_key.h"
#include "ui/messages.h"
#include "ui/window_default.h"
#include "ui/window_text.h"

namespace qvz::ui {
namespace {

// The characters that Ctrl with a letter types.
constexpr WPARAM kCtrlC = 3;
constexpr WPARAM kCtrlV = 22;
constexpr WPARAM kCtrlX = 24;
constexpr WPARAM kCtrlZ = 26;
// Characters below this one are control characters.
constexpr WPARAM kFirstPrintable = 32;

// The size of a control made without one, in pixels.
constexpr int kDefaultWidth = 200;
constexpr int kDefaultHeight = 80;

bool CtrlHeld() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

bool IsEditingControlChar(WPARAM nKey) {
  return nKey == kCtrlC || nKey == kCtrlV || nKey == kCtrlX || nKey == kCtrlZ;
}

}  // namespace

TMultiGet::TMultiGet(const NewArgs& a) {
  nTop = a.nTop.value_or(0);
  nLeft = a.nLeft.value_or(0);
  nBottom = nTop + a.nHeight.value_or(kDefaultHeight) - 1;
  nRight = nLeft + a.nWidth.value_or(kDefaultWidth) - 1;
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

int TMultiGet::GetPos() const { return Selection().first; }

std::pair<int, int> TMultiGet::Selection() const {
  // Both come through the pointers in full: the words of the result wrap
  // past 65535 characters.
  DWORD nStart = 0, nEnd = 0;
  SENDMESSAGE(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&nStart),
              Value(static_cast<long long>(reinterpret_cast<LPARAM>(&nEnd))));
  return {static_cast<int>(nStart), static_cast<int>(nEnd)};
}

int TMultiGet::TextEnd() const { return GetWindowTextLengthA(hWnd); }

void TMultiGet::GoBottom() {
  const auto n = static_cast<WPARAM>(VarGet().AsText().size() + 1);
  SENDMESSAGE(hWnd, EM_SETSEL, n, Value(static_cast<long long>(n)));
  SENDMESSAGE(hWnd, EM_LINESCROLL, 0, SENDMESSAGE(hWnd, EM_GETLINECOUNT, 0, Value(0)));
}

void TMultiGet::AppendLine(const std::string& cLine) {
  const std::string cAdded = cLine + "\r\n";
  VarPut(VarGet().AsText() + cAdded);
  if (!IsWindow(hWnd)) return;
  const auto [nStart, nEnd] = Selection();
  const int nOldEnd = TextEnd();
  const bool lFollowsTheEnd = nStart == nEnd && nEnd == nOldEnd;
  const auto nFirstVisible = SENDMESSAGE(hWnd, EM_GETFIRSTVISIBLELINE, 0, Value(0)).AsInteger();
  SENDMESSAGE(hWnd, EM_SETSEL, static_cast<WPARAM>(nOldEnd), Value(nOldEnd));
  // Not undoable: an undo would take a logged line away again.
  SENDMESSAGE(hWnd, EM_REPLACESEL, FALSE, Value(cAdded));
  if (lFollowsTheEnd) return;  // the caret is after the new line, which shows
  SENDMESSAGE(hWnd, EM_SETSEL, static_cast<WPARAM>(nStart), Value(nEnd));
  const auto nNowVisible = SENDMESSAGE(hWnd, EM_GETFIRSTVISIBLELINE, 0, Value(0)).AsInteger();
  SENDMESSAGE(hWnd, EM_LINESCROLL, 0, Value(nFirstVisible - nNowVisible));
}

Value TMultiGet::HandleEvent(UINT nMsg, WPARAM w, LPARAM l) {
  if (nMsg == kCollapseSelection) {
    const int nPos = l ? TextEnd() : std::min(static_cast<int>(w), TextEnd());
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
    // The selection collapses to its start once the platform has given the
    // focus (and may have selected everything). A caret at the end of the
    // text stays at the end, also of lines appended before the posted
    // request arrives, so the log goes on showing its newest line.
    const auto [nStart, nEnd] = Selection();
    const bool lAtEnd = nStart == nEnd && nEnd == TextEnd();
    PostMsg(kCollapseSelection, static_cast<WPARAM>(nStart), Value(lAtEnd ? 1 : 0));
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
  if (nKey < kFirstPrintable && CtrlHeld()) {
    if (IsEditingControlChar(nKey)) {
      CallOldProc(WM_CHAR, nKey, nFlags);
      if (nKey != kCtrlC && bChange) bChange(static_cast<long long>(nKey), static_cast<long long>(nFlags), *this);
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
  // The answer holds the line and the index in 16 bits each. The clicked
  // line lies on the page, less than 65536 lines below the first line shown,
  // which supplies the line's bits above 16; the start of that line does
  // the same for the index.
  constexpr int kLow16 = 0xFFFF;
  const int nFirstVisible = static_cast<int>(SENDMESSAGE(hWnd, EM_GETFIRSTVISIBLELINE, 0, Value(0)).AsInteger());
  const int nLine = nFirstVisible + ((static_cast<int>(HIWORD(nFound)) - nFirstVisible) & kLow16);
  const int nLineStart = static_cast<int>(SENDMESSAGE(hWnd, EM_LINEINDEX, static_cast<WPARAM>(nLine), Value(0)).AsInteger());
  return nLineStart + ((static_cast<int>(LOWORD(nFound)) - nLineStart) & kLow16);
}

}  // namespace qvz::ui
