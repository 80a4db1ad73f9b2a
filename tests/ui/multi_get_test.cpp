#include "ui/multi_get.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "log_dialog.h"
#include "runtime/accessor.h"
#include "runtime/error_block.h"
#include "runtime/runtime_error.h"
#include "ui/message_pump.h"
#include "ui/window_default.h"
#include "ui/window_registry.h"

namespace qvz::ui {
namespace {

using test::AppendLine;
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
// lives, recording the key-downs that the EDIT window gets.
class EditKeySpy {
 public:
  explicit EditKeySpy(TMultiGet& oSpied) : oLog(oSpied), nEditProc(oSpied.nOldProc) {
    SetPropA(oLog.hWnd, kProp, this);
    oLog.nOldProc = Proc;
  }
  ~EditKeySpy() {
    oLog.nOldProc = nEditProc;
    RemovePropA(oLog.hWnd, kProp);
  }
  EditKeySpy(const EditKeySpy&) = delete;
  EditKeySpy& operator=(const EditKeySpy&) = delete;

  std::vector<WPARAM> aKeys;

 private:
  static constexpr const char* kProp = "qvz.spy";
  static LRESULT CALLBACK Proc(HWND hWnd, UINT nMsg, WPARAM w, LPARAM l) {
    auto* oSpy = static_cast<EditKeySpy*>(GetPropA(hWnd, kProp));
    if (nMsg == WM_KEYDOWN) oSpy->aKeys.push_back(w);
    return CallWindowProcA(oSpy->nEditProc, hWnd, nMsg, w, l);
  }

  TMultiGet& oLog;
  WNDPROC nEditProc;
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
  std::exception_ptr pRaised;
  runtime::ErrorBlock bPrevious = runtime::SetErrorBlock([&](std::exception_ptr p) {
    pRaised = p;
    return runtime::Value();
  });
  std::string cLog;
  TWindow oParent;
  TMultiGet oLog({.bSetGet = runtime::TextAccessor(cLog), .oWnd = &oParent, .lReadOnly = true});
  test::UniqueWindow hDlg = test::MakeDialogA(test::DialogHeader(0));
  oLog.Initiate(hDlg.get());
  runtime::SetErrorBlock(bPrevious);

  ASSERT_TRUE(pRaised);
  try {
    std::rethrow_exception(pRaised);
  } catch (const runtime::RuntimeError& e) {
    EXPECT_EQ(e.genCode, 1);
    EXPECT_EQ(e.severity, 3);
    EXPECT_EQ(e.subSystem, "Korvane");
    EXPECT_EQ(e.description, "Non defined Id");
    EXPECT_EQ(e.operation, "No: " + std::string(6 - std::to_string(oLog.nId).size(), ' ') +
                               std::to_string(oLog.nId));
  }
  EXPECT_EQ(oLog.hWnd, nullptr);
  EXPECT_EQ(RegistryIndexOf(&oLog), 0);
}

TEST(MultiGetTest, AppendedLinesReachWindowAndVariableAndTheCaretStaysAtTheEnd) {
  LogDialog oDialog;
  TMultiGet& oLog = oDialog.oLog;
  for (const char* cLine : {"Porta COM1", "Settori 0 - 17", "Tracce ricevute: 1 \xE0"}) {
    AppendLine(oLog, cLine);
    EXPECT_EQ(FirstDifference(oLog.GetText(), oDialog.cLog), std::string::npos);
    EXPECT_EQ(oLog.GetPos(), static_cast<int>(oDialog.cLog.size()));
  }
  // Past the platform's default limit and past what 16 bits can count.
  oDialog.cLog += LongLog(70000);
  oLog.Refresh();
  oLog.GoBottom();
  AppendLine(oLog, "Settori 18 - 35");
  EXPECT_EQ(FirstDifference(oLog.GetText(), oDialog.cLog), std::string::npos);
  EXPECT_EQ(oLog.GetPos(), static_cast<int>(oDialog.cLog.size()));

  // The focus coming back, as after the file prompt, leaves the caret where it is.
  SetFocus(nullptr);
  SetFocus(oLog.hWnd);
  ASSERT_EQ(GetFocus(), oLog.hWnd);
  SYSREFRESH();
  AppendLine(oLog, "Immagine scritta");
  EXPECT_EQ(FirstDifference(oLog.GetText(), oDialog.cLog), std::string::npos);
  EXPECT_EQ(oLog.GetPos(), static_cast<int>(oDialog.cLog.size()));

  // A line logged after the focus came back but before the caret was put
  // back, as the transfer loop logs right after the prompt: still in order.
  SetFocus(nullptr);
  SetFocus(oLog.hWnd);
  AppendLine(oLog, "Waiting data (ESC to exit)...");
  SYSREFRESH();
  AppendLine(oLog, "Receiving sectors 0 to 17");
  EXPECT_EQ(FirstDifference(oLog.GetText(), oDialog.cLog), std::string::npos);
  EXPECT_EQ(oLog.GetPos(), static_cast<int>(oDialog.cLog.size()));
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
  const struct {
    const char* cWhat;
    UINT nMsg;
    WPARAM nWParam;
    bool lCtrl;
    bool lWritableChanges;
  } aCases[] = {
      {"a letter", WM_CHAR, 'x', false, true},
      {"Backspace", WM_CHAR, VK_BACK, false, true},
      {"Enter", WM_CHAR, VK_RETURN, false, true},
      {"Delete", WM_KEYDOWN, VK_DELETE, false, true},
      {"cut", WM_CUT, 0, false, true},
      {"paste", WM_PASTE, 0, false, true},
      {"clear", WM_CLEAR, 0, false, true},
      {"Ctrl+X", WM_CHAR, 24, true, true},
      {"Ctrl+V", WM_CHAR, 22, true, true},
      {"Ctrl+Z with nothing to undo", WM_CHAR, 26, true, false},
      {"Ctrl+A: dropped", WM_CHAR, 1, true, false},
      {"Tab: dropped", WM_CHAR, VK_TAB, false, false},
      {"Escape: dropped", WM_CHAR, VK_ESCAPE, false, false},
  };
  const std::string cText = "alpha\r\nbeta\r\n";
  for (bool lReadOnly : {true, false}) {
    for (const auto& c : aCases) {
      SCOPED_TRACE(std::string(c.cWhat) + (lReadOnly ? ", read-only" : ", writable"));
      LogDialog oDialog({.lReadOnly = lReadOnly, .cText = cText});
      HWND hLog = oDialog.oLog.hWnd;
      SetClipboardText(hLog, "pasted");
      SendMessageA(hLog, EM_SETSEL, 7, 11);  // "beta"
      {
        std::optional<ThreadKeyDown> oCtrl;
        if (c.lCtrl) oCtrl.emplace(VK_CONTROL);
        SendMessageA(hLog, c.nMsg, c.nWParam, 1);
      }
      const bool lChanged = oDialog.oLog.GetText() != cText;
      EXPECT_EQ(lChanged, !lReadOnly && c.lWritableChanges);
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
    EditKeySpy oEdit(oLog);
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
  EditKeySpy oEdit(oDialog.oLog);
  SendMessageA(hLog, WM_KEYDOWN, VK_ESCAPE, 1);
  SendMessageA(hLog, WM_CHAR, VK_ESCAPE, 1);
  EXPECT_EQ(oDialog.oParent.aKeys, std::vector<WPARAM>{VK_ESCAPE});
  EXPECT_TRUE(oEdit.aKeys.empty());
  EXPECT_EQ(oDialog.oLog.GetText(), "alpha\r\n");
}

TEST(MultiGetTest, AClickMovesTheInsertionPointAndFocusLossTakesTheWindowsText) {
  LogDialog oDialog({.cText = LongLog(70000)});
  TMultiGet& oLog = oDialog.oLog;
  oLog.GoBottom();
  const auto nFirstVisible = static_cast<WPARAM>(SendMessageA(oLog.hWnd, EM_GETFIRSTVISIBLELINE, 0, 0));
  const auto nClicked = static_cast<int>(SendMessageA(oLog.hWnd, EM_LINEINDEX, nFirstVisible, 0));
  ASSERT_GT(nClicked, 0xFFFF) << "the click must land beyond what 16 bits count";

  SendMessageA(oLog.hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 2));
  SendMessageA(oLog.hWnd, WM_LBUTTONUP, 0, MAKELPARAM(1, 2));
  SYSREFRESH();
  EXPECT_EQ(oLog.GetPos(), nClicked);

  const std::string cBefore = oDialog.cLog;
  AppendLine(oLog, "inserted");
  EXPECT_EQ(FirstDifference(oDialog.cLog, cBefore + "inserted\r\n"), std::string::npos);
  EXPECT_EQ(FirstDifference(oLog.GetText(),
                            cBefore.substr(0, nClicked) + "inserted\r\n" + cBefore.substr(nClicked)),
            std::string::npos);

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
