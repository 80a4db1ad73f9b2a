#include "ui/multi_get.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "harness/captured_errors.h"
#include "log_dialog.h"
#include "runtime/accessor.h"
#include "ui/message_pump.h"
#include "ui/window_default.h"
#include "ui/window_registry.h"

namespace qvz::ui {
namespace {

using test::LogDialog;

constexpr DWORD kReadOnlyLogStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP |
                                    ES_WANTRETURN | ES_READONLY | ES_MULTILINE;

// Holds a key down in this thread's key state, which is what the log reads
// while it handles a message; restores the state when it goes.
class ThreadKeyDown {
 public:
  explicit ThreadKeyDown(BYTE nKey) {
    GetKeyboardState(aSaved);
    BYTE aState[256];
    std::memcpy(aState, aSaved, sizeof aState);
    aState[nKey] |= 0x80;
    SetKeyboardState(aState);
  }
  ~ThreadKeyDown() { SetKeyboardState(aSaved); }
  ThreadKeyDown(const ThreadKeyDown&) = delete;
  ThreadKeyDown& operator=(const ThreadKeyDown&) = delete;

 private:
  BYTE aSaved[256];
};

// Stands between the log and its EDIT window's own procedure while it
// lives, recording the keys, characters and edit requests that the EDIT
// window gets.
class EditSpy {
 public:
  explicit EditSpy(TMultiGet& oSpied) : oLog(oSpied), nEditProc(oSpied.nOldProc) {
    SetPropA(oLog.hWnd, kProp, this);
    oLog.nOldProc = Proc;
  }
  ~EditSpy() {
    oLog.nOldProc = nEditProc;
    RemovePropA(oLog.hWnd, kProp);
  }
  EditSpy(const EditSpy&) = delete;
  EditSpy& operator=(const EditSpy&) = delete;

  std::vector<WPARAM> aKeys;  // the key-downs
  // Whether a message with this code and wParam reached the EDIT window.
  bool Got(UINT nMsg, WPARAM nWParam) const {
    return std::find(aSeen.begin(), aSeen.end(), std::pair{nMsg, nWParam}) != aSeen.end();
  }

 private:
  static constexpr const char* kProp = "qvz.spy";
  static LRESULT CALLBACK Proc(HWND hWnd, UINT nMsg, WPARAM w, LPARAM l) {
    auto* oSpy = static_cast<EditSpy*>(GetPropA(hWnd, kProp));
    if (nMsg == WM_KEYDOWN) oSpy->aKeys.push_back(w);
    if (nMsg == WM_KEYDOWN || nMsg == WM_CHAR || nMsg == WM_CUT || nMsg == WM_PASTE || nMsg == WM_CLEAR)
      oSpy->aSeen.emplace_back(nMsg, w);
    return CallWindowProcA(oSpy->nEditProc, hWnd, nMsg, w, l);
  }

  TMultiGet& oLog;
  WNDPROC nEditProc;
  std::vector<std::pair<UINT, WPARAM>> aSeen;
};

std::string ClipboardText(HWND hOwner) {
  std::string cText;
  if (!OpenClipboard(hOwner)) return cText;
  if (HANDLE hData = GetClipboardData(CF_TEXT)) {
    if (auto* p = static_cast<const char*>(GlobalLock(hData))) {
      cText = p;
      GlobalUnlock(hData);
    }
  }
  CloseClipboard();
  return cText;
}

void SetClipboardText(HWND hOwner, const std::string& cText) {
  ASSERT_TRUE(OpenClipboard(hOwner));
  EmptyClipboard();
  HGLOBAL hData = GlobalAlloc(GMEM_MOVEABLE, cText.size() + 1);
  std::memcpy(GlobalLock(hData), cText.c_str(), cText.size() + 1);
  GlobalUnlock(hData);
  SetClipboardData(CF_TEXT, hData);  // the clipboard owns it from now on
  CloseClipboard();
}

// Numbered lines of the log, at least nSize characters in all.
std::string LongLog(size_t nSize) {
  std::string cText;
  for (int i = 0; cText.size() < nSize; ++i) cText += "Settori " + std::to_string(i) + "\r\n";
  return cText;
}

// Where two long texts part, npos when they are the same: a failure then
// names a position instead of printing both.
size_t FirstDifference(const std::string& cLeft, const std::string& cRight) {
  auto [itLeft, itRight] = std::mismatch(cLeft.begin(), cLeft.end(), cRight.begin(), cRight.end());
  if (itLeft == cLeft.end() && itRight == cRight.end()) return std::string::npos;
  return static_cast<size_t>(itLeft - cLeft.begin());
}

TEST(MultiGetTest, RegistersWithItsParentOrMakesItsWindowAtOnce) {
  // Identifiers run up to 30000 and start again at 100: after the wrap the
  // counter stands where it stands at program start, so the next control
  // takes 101, as the receiver's log does.
  while (TControl::GetNewId() != 30000) {
  }
  EXPECT_EQ(TControl::GetNewId(), 100);

  test::UniqueWindow hHost = test::MakeWindow(WS_POPUP, 0, 0, 300, 200);
  enum class Parent { kGivenWithoutWindow, kDefaultWithoutWindow, kGivenWithWindow };
  const struct {
    const char* cWhat;
    Parent eParent;
  } aCases[] = {{"given parent without a window", Parent::kGivenWithoutWindow},
                {"default window without a window", Parent::kDefaultWithoutWindow},
                {"given parent with a window", Parent::kGivenWithWindow}};
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.cWhat);
    std::string cLog = "first line\r\n";
    TWindow oParent;
    if (c.eParent == Parent::kGivenWithWindow) oParent.hWnd = hHost.get();
    TWindow* oPreviousDefault = SETWNDDEFAULT(&oParent);
    {
      TMultiGet oLog({.nTop = 0,
                      .nLeft = 0,
                      .bSetGet = runtime::TextAccessor(cLog),
                      .oWnd = c.eParent == Parent::kDefaultWithoutWindow ? nullptr : &oParent,
                      .lReadOnly = true});
      if (&c == &aCases[0]) {
        EXPECT_EQ(oLog.nId, 101);
      }
      EXPECT_EQ(oLog.oWnd, &oParent);
      EXPECT_EQ(oLog.nStyle, kReadOnlyLogStyle);
      EXPECT_EQ(oLog.nExStyle, static_cast<DWORD>(WS_EX_CLIENTEDGE));
      EXPECT_EQ(oLog.nBottom, 79);
      EXPECT_EQ(oLog.nRight, 199);
      ASSERT_EQ(oParent.aControls.size(), 1u);
      EXPECT_EQ(oParent.aControls[0], &oLog);
      if (c.eParent == Parent::kGivenWithWindow) {
        ASSERT_NE(oLog.hWnd, nullptr);
        EXPECT_EQ(GetParent(oLog.hWnd), hHost.get());
        EXPECT_EQ(GetDlgCtrlID(oLog.hWnd), oLog.nId);
        EXPECT_EQ(OWNDFROMHWND(oLog.hWnd), &oLog);
        EXPECT_EQ(oLog.GetText(), cLog);
        EXPECT_GT(SendMessageA(oLog.hWnd, EM_GETLIMITTEXT, 0, 0), 0x10000);
        DestroyWindow(oLog.hWnd);
      } else {
        EXPECT_EQ(oLog.hWnd, nullptr);
      }
    }
    EXPECT_TRUE(oParent.aControls.empty()) << "a control leaves its parent's list when it goes";
    SETWNDDEFAULT(oPreviousDefault);
    oParent.hWnd = nullptr;
  }
}

TEST(MultiGetTest, TemplateItemBecomesTheLinkedReadOnlyLog) {
  LogDialog oDialog({.cText = "Ready\r\n"});
  TMultiGet& oLog = oDialog.oLog;

  const std::string cItem = oLog.cToChar();
  DWORD nItemStyle = 0;
  WORD nItemId = 0;
  std::memcpy(&nItemStyle, cItem.data(), 4);
  std::memcpy(&nItemId, cItem.data() + 16, 2);
  EXPECT_EQ(nItemStyle, kReadOnlyLogStyle);
  EXPECT_EQ(nItemId, oLog.nId);
  EXPECT_EQ(cItem.substr(18, 10), std::string("E\0D\0I\0T\0\0\0", 10));

  ASSERT_NE(oLog.hWnd, nullptr);
  EXPECT_EQ(GetDlgCtrlID(oLog.hWnd), oLog.nId);
  EXPECT_EQ(OWNDFROMHWND(oLog.hWnd), &oLog);
  // The platform's EDIT window may draw its border as an edge instead.
  const auto nWindowStyle = static_cast<DWORD>(GetWindowLongPtrA(oLog.hWnd, GWL_STYLE));
  EXPECT_EQ(nWindowStyle & ~WS_BORDER, kReadOnlyLogStyle & ~WS_BORDER);
  EXPECT_EQ(oLog.GetText(), "Ready\r\n");
  EXPECT_GT(SendMessageA(oLog.hWnd, EM_GETLIMITTEXT, 0, 0), 0x10000);
  ASSERT_NE(oLog.oFont, nullptr);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(oLog.hWnd, WM_GETFONT, 0, 0)), oLog.oFont->hFont);
}

TEST(MultiGetTest, AnIdentifierTheDialogLacksIsFrameworkError1) {
  qvz::test::CapturedErrors oErrors;
  std::string cLog;
  TWindow oParent;
  TMultiGet oLog({.bSetGet = runtime::TextAccessor(cLog), .oWnd = &oParent, .lReadOnly = true});
  test::UniqueWindow hDlg = test::MakeDialog(test::DialogHeader(0));
  oLog.Initiate(hDlg.get());

  const auto aErrors = oErrors.Errors();
  ASSERT_EQ(aErrors.size(), 1u);
  EXPECT_EQ(aErrors[0].genCode, 1);
  EXPECT_EQ(aErrors[0].severity, 3);
  EXPECT_EQ(aErrors[0].subSystem, "Korvane");
  EXPECT_EQ(aErrors[0].description, "Non defined Id");
  EXPECT_EQ(aErrors[0].operation,
            "No: " + std::string(6 - std::to_string(oLog.nId).size(), ' ') + std::to_string(oLog.nId));
  EXPECT_EQ(oLog.hWnd, nullptr);
  EXPECT_EQ(RegistryIndexOf(&oLog), 0);
}

// Whether the window shows the character at nIndex.
bool Shows(HWND hLog, int nIndex) {
  const auto nPos = static_cast<DWORD>(SendMessageA(hLog, EM_POSFROMCHAR, static_cast<WPARAM>(nIndex), 0));
  RECT rc{};
  GetClientRect(hLog, &rc);
  const int nY = static_cast<short>(HIWORD(nPos));
  return nPos != static_cast<DWORD>(-1) && nY >= 0 && nY < rc.bottom;
}

TEST(MultiGetTest, AppendedLinesReachWindowAndVariableAndTheCaretStaysAtTheEnd) {
  LogDialog oDialog;
  TMultiGet& oLog = oDialog.oLog;
  for (const char* cLine : {"Porta COM1", "Settori 0 - 17", "Tracce ricevute: 1 \xE0"}) {
    oLog.AppendLine(cLine);
    EXPECT_EQ(FirstDifference(oLog.GetText(), oDialog.cLog), std::string::npos);
    EXPECT_EQ(oLog.GetPos(), static_cast<int>(oDialog.cLog.size()));
  }
  // Past the platform's default limit and past what 16 bits can count.
  oDialog.cLog += LongLog(70000);
  oLog.Refresh();
  oLog.GoBottom();
  oLog.AppendLine("Settori 18 - 35");
  EXPECT_EQ(FirstDifference(oLog.GetText(), oDialog.cLog), std::string::npos);
  EXPECT_EQ(oLog.GetPos(), static_cast<int>(oDialog.cLog.size()));
  EXPECT_TRUE(Shows(oLog.hWnd, static_cast<int>(oDialog.cLog.size() - 17))) << "the newest line shows";

  // The focus coming back, as after the file prompt, leaves the caret where it is.
  SetFocus(nullptr);
  SetFocus(oLog.hWnd);
  ASSERT_EQ(GetFocus(), oLog.hWnd);
  SYSREFRESH();
  oLog.AppendLine("Immagine scritta");
  EXPECT_EQ(FirstDifference(oLog.GetText(), oDialog.cLog), std::string::npos);
  EXPECT_EQ(oLog.GetPos(), static_cast<int>(oDialog.cLog.size()));

  // A line logged after the focus came back but before the caret was put
  // back, as the transfer loop logs right after the prompt: still in order,
  // and the caret still follows the end.
  SetFocus(nullptr);
  SetFocus(oLog.hWnd);
  oLog.AppendLine("Waiting data (ESC to exit)...");
  SYSREFRESH();
  oLog.AppendLine("Receiving sectors 0 to 17");
  EXPECT_EQ(FirstDifference(oLog.GetText(), oDialog.cLog), std::string::npos);
  EXPECT_EQ(oLog.GetPos(), static_cast<int>(oDialog.cLog.size()));
}

// Whatever the user selected or clicked, lines go at the end, whole, and the
// selection stays for copying; the focus coming back collapses it to its start.
TEST(MultiGetTest, AppendedLinesGoAtTheEndWhateverTheUserSelected) {
  const std::string cText = "line1\r\nline2\r\nline3\r\n";  // "line2" from 7 to 12
  const int nEndOfText = static_cast<int>(cText.size());
  const struct {
    const char* cWhat;
    int nStart, nEnd;  // the selection the user makes
    bool lFocusAgain;  // the focus leaves the log and comes back before the lines
    std::pair<int, int> aKept;
  } aCases[] = {
      {"line2 selected and copied", 7, 12, false, {7, 12}},
      {"line2 selected and copied, focus away and back", 7, 12, true, {7, 7}},
      {"caret in the middle", 9, 9, false, {9, 9}},
      {"caret in the middle, focus away and back", 9, 9, true, {9, 9}},
      {"everything selected", 0, -1, false, {0, nEndOfText}},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.cWhat);
    LogDialog oDialog({.cText = cText});
    HWND hLog = oDialog.oLog.hWnd;
    SendMessageA(hLog, EM_SETSEL, static_cast<WPARAM>(c.nStart), c.nEnd);
    {
      ThreadKeyDown oCtrl(VK_CONTROL);
      SendMessageA(hLog, WM_CHAR, 3, 1);  // Ctrl+C
    }
    if (c.lFocusAgain) {
      SetFocus(nullptr);
      SetFocus(hLog);
      ASSERT_EQ(GetFocus(), hLog);
    }
    // One line before the focus's request is handled, one after it.
    oDialog.oLog.AppendLine("NEXT");
    SYSREFRESH();
    oDialog.oLog.AppendLine("SAVED");
    const std::string cExpected = cText + "NEXT\r\nSAVED\r\n";
    EXPECT_EQ(oDialog.oLog.GetText(), cExpected);
    EXPECT_EQ(oDialog.cLog, cExpected);
    DWORD nStart = 0, nEnd = 0;
    SendMessageA(hLog, EM_GETSEL, reinterpret_cast<WPARAM>(&nStart), reinterpret_cast<LPARAM>(&nEnd));
    EXPECT_EQ((std::pair{static_cast<int>(nStart), static_cast<int>(nEnd)}), c.aKept);
  }
}

TEST(MultiGetTest, RefreshAssignAndGoBottomBringTheCopiesTogether) {
  LogDialog oDialog({.cText = "one\r\n"});
  TMultiGet& oLog = oDialog.oLog;

  oDialog.cLog = "one\r\ntwo\r\n";
  oLog.Refresh();
  EXPECT_EQ(oLog.GetText(), "one\r\ntwo\r\n");

  SetWindowTextA(oLog.hWnd, "shown\r\n");
  oLog.Assign();
  EXPECT_EQ(oDialog.cLog, "shown\r\n");

  for (int i = 0; i < 200; ++i) oDialog.cLog += "line " + std::to_string(i) + "\r\n";
  oLog.Refresh();
  SendMessageA(oLog.hWnd, EM_SETSEL, 0, 0);
  SendMessageA(oLog.hWnd, EM_SCROLLCARET, 0, 0);
  oLog.GoBottom();
  EXPECT_EQ(oLog.GetPos(), static_cast<int>(oDialog.cLog.size()));
  EXPECT_GT(SendMessageA(oLog.hWnd, EM_GETFIRSTVISIBLELINE, 0, 0), 150);
}

TEST(MultiGetTest, ReadOnlyLogTakesNoEditsThatAWritableOneTakes) {
  // Which input the control hands on to its EDIT window.
  enum class GoesOn { kWhenWritable, kAlways, kNever };
  const struct {
    const char* cWhat;
    UINT nMsg;
    WPARAM nWParam;
    bool lCtrl;
    bool lWritableChanges;
    GoesOn eGoesOn;
    bool lUndoable = false;  // "beta" was replaced by "BETA" as an undoable change first
  } aCases[] = {
      {"a letter", WM_CHAR, 'x', false, true, GoesOn::kWhenWritable},
      {"Backspace", WM_CHAR, VK_BACK, false, true, GoesOn::kWhenWritable},
      {"Enter", WM_CHAR, VK_RETURN, false, true, GoesOn::kWhenWritable},
      {"Delete", WM_KEYDOWN, VK_DELETE, false, true, GoesOn::kWhenWritable},
      {"cut", WM_CUT, 0, false, true, GoesOn::kWhenWritable},
      {"paste", WM_PASTE, 0, false, true, GoesOn::kWhenWritable},
      {"clear", WM_CLEAR, 0, false, true, GoesOn::kWhenWritable},
      {"Ctrl+X", WM_CHAR, 24, true, true, GoesOn::kAlways},
      {"Ctrl+V", WM_CHAR, 22, true, true, GoesOn::kAlways},
      {"Ctrl+Z after an undoable change", WM_CHAR, 26, true, true, GoesOn::kAlways, true},
      {"Ctrl+A: dropped", WM_CHAR, 1, true, false, GoesOn::kNever},
      {"Tab: dropped", WM_CHAR, VK_TAB, false, false, GoesOn::kNever},
      {"Escape: dropped", WM_CHAR, VK_ESCAPE, false, false, GoesOn::kNever},
  };
  for (bool lReadOnly : {true, false}) {
    for (const auto& c : aCases) {
      SCOPED_TRACE(std::string(c.cWhat) + (lReadOnly ? ", read-only" : ", writable"));
      const std::string cText = c.lUndoable ? "alpha\r\nBETA\r\n" : "alpha\r\nbeta\r\n";
      LogDialog oDialog({.lReadOnly = lReadOnly, .cText = "alpha\r\nbeta\r\n"});
      HWND hLog = oDialog.oLog.hWnd;
      SetClipboardText(hLog, "pasted");
      SendMessageA(hLog, EM_SETSEL, 7, 11);  // "beta"
      if (c.lUndoable) {
        SendMessageA(hLog, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("BETA"));
        SendMessageA(hLog, EM_SETSEL, 7, 11);
        oDialog.cLog = cText;
      }
      EditSpy oEdit(oDialog.oLog);
      {
        std::optional<ThreadKeyDown> oCtrl;
        if (c.lCtrl) oCtrl.emplace(VK_CONTROL);
        SendMessageA(hLog, c.nMsg, c.nWParam, 1);
      }
      const bool lChanged = oDialog.oLog.GetText() != cText;
      EXPECT_EQ(lChanged, !lReadOnly && c.lWritableChanges);
      const bool lGoesOn = c.eGoesOn == GoesOn::kAlways || (c.eGoesOn == GoesOn::kWhenWritable && !lReadOnly);
      EXPECT_EQ(oEdit.Got(c.nMsg, c.nWParam), lGoesOn);
      EXPECT_EQ(oDialog.cLog, cText) << "the variable follows only when the focus leaves";
    }
  }
}

TEST(MultiGetTest, CaretKeysMoveAndAreReportedToTheParent) {
  // Lines start at 0, 6 and 12; the caret starts at 8, in the middle line.
  const struct {
    const char* cWhat;
    WPARAM nKey;
    int nExpected;
  } aCases[] = {{"Left", VK_LEFT, 7},   {"Right", VK_RIGHT, 9},   {"Up", VK_UP, 2},
                {"Down", VK_DOWN, 14},  {"Home", VK_HOME, 6},     {"End", VK_END, 10},
                {"Page Up", VK_PRIOR, 2}, {"Page Down", VK_NEXT, 18}};
  const std::string cText = "aaaa\r\naaaa\r\naaaa\r\n";
  LogDialog oDialog({.cText = cText});
  TMultiGet& oLog = oDialog.oLog;
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.cWhat);
    oDialog.oParent.aKeys.clear();
    SendMessageA(oLog.hWnd, EM_SETSEL, 8, 8);
    EditSpy oEdit(oLog);
    SendMessageA(oLog.hWnd, WM_KEYDOWN, c.nKey, 1);
    EXPECT_EQ(oLog.GetPos(), c.nExpected);
    EXPECT_EQ(oLog.GetText(), cText);
    EXPECT_EQ(oDialog.oParent.aKeys, std::vector<WPARAM>{c.nKey});
    EXPECT_EQ(oEdit.aKeys, std::vector<WPARAM>{c.nKey});
  }
}

TEST(MultiGetTest, CtrlCCopiesTheSelection) {
  LogDialog oDialog({.cText = "alpha\r\nbeta\r\n"});
  HWND hLog = oDialog.oLog.hWnd;
  SetClipboardText(hLog, "");
  SendMessageA(hLog, EM_SETSEL, 7, 11);
  {
    ThreadKeyDown oCtrl(VK_CONTROL);
    SendMessageA(hLog, WM_CHAR, 3, 1);
  }
  EXPECT_EQ(ClipboardText(hLog), "beta");
  EXPECT_EQ(oDialog.oLog.GetText(), "alpha\r\nbeta\r\n");
}

TEST(MultiGetTest, EscapeGoesToTheParentsKeyDownAndNoFurther) {
  LogDialog oDialog({.cText = "alpha\r\n"});
  HWND hLog = oDialog.oLog.hWnd;
  EditSpy oEdit(oDialog.oLog);
  SendMessageA(hLog, WM_KEYDOWN, VK_ESCAPE, 1);
  SendMessageA(hLog, WM_CHAR, VK_ESCAPE, 1);
  EXPECT_EQ(oDialog.oParent.aKeys, std::vector<WPARAM>{VK_ESCAPE});
  EXPECT_TRUE(oEdit.aKeys.empty());
  EXPECT_EQ(oDialog.oLog.GetText(), "alpha\r\n");
}

TEST(MultiGetTest, AClickPutsTheCaretThereWhileLinesStillGoAtTheEnd) {
  // More lines than 16 bits count: the clicked line's number and its
  // characters' indexes both lie beyond them. Empty lines, because the
  // platform measures the text of each line, which takes seconds here.
  std::string cText;
  for (int i = 0; i < 70000; ++i) cText += "\r\n";
  LogDialog oDialog({.cText = cText});
  TMultiGet& oLog = oDialog.oLog;
  oLog.GoBottom();
  const auto nFirstVisible = static_cast<WPARAM>(SendMessageA(oLog.hWnd, EM_GETFIRSTVISIBLELINE, 0, 0));
  ASSERT_GT(nFirstVisible, 0xFFFFu) << "the click must land beyond what 16 bits count";
  const auto nClicked = static_cast<int>(SendMessageA(oLog.hWnd, EM_LINEINDEX, nFirstVisible, 0));

  SendMessageA(oLog.hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 2));
  SendMessageA(oLog.hWnd, WM_LBUTTONUP, 0, MAKELPARAM(1, 2));
  // The EDIT window's own handling has moved the caret too: take it away,
  // so that only the control's placement, posted for the next pump, counts.
  SendMessageA(oLog.hWnd, EM_SETSEL, 0, 0);
  SYSREFRESH();
  EXPECT_EQ(oLog.GetPos(), nClicked);

  const LRESULT nShown = SendMessageA(oLog.hWnd, EM_GETFIRSTVISIBLELINE, 0, 0);
  oLog.AppendLine("appended");
  EXPECT_EQ(FirstDifference(oDialog.cLog, cText + "appended\r\n"), std::string::npos);
  EXPECT_EQ(FirstDifference(oLog.GetText(), cText + "appended\r\n"), std::string::npos);
  EXPECT_EQ(oLog.GetPos(), nClicked) << "the caret stays where the user put it";
  EXPECT_EQ(SendMessageA(oLog.hWnd, EM_GETFIRSTVISIBLELINE, 0, 0), nShown) << "and so does the view";

  SetFocus(nullptr);
  EXPECT_EQ(FirstDifference(oDialog.cLog, oLog.GetText()), std::string::npos);
}

TEST(MultiGetTest, AnswersTheColourRequestWithItsBrushAndWindowColours) {
  LogDialog oDialog;
  HDC hDC = CreateCompatibleDC(nullptr);
  const auto nBrush = SendMessageA(oDialog.hDlg.get(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                   reinterpret_cast<LPARAM>(oDialog.oLog.hWnd));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(nBrush), oDialog.oLog.oBrush->hBrush);
  EXPECT_EQ(GetTextColor(hDC), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(GetBkColor(hDC), GetSysColor(COLOR_WINDOW));
  DeleteDC(hDC);
}

}  // namespace
}  // namespace qvz::ui
