#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "test_window.h"
#include "ui/framework_cells.h"
#include "ui/messages.h"
#include "ui/modal_bindings.h"
#include "ui/window.h"
#include "ui/window_registry.h"

namespace qvz::ui {
namespace {

using test::CreatePlainWindow;
using test::kPlainResult;

// A window object whose CommNotify, KeyDown and CtlColor answer what the
// test sets, and which records which of them ran.
class ProbeWindow : public TWindow {
 public:
  Value CommNotify(WPARAM w, LPARAM l) override {
    nCommCalls++;
    return bCommNotify ? TWindow::CommNotify(w, l) : vAnswer;
  }
  Value KeyDown(WPARAM, LPARAM) override { return vAnswer; }
  Value CtlColor(HWND, HDC) override {
    lCtlColor = true;
    return {};
  }
  Value vAnswer;
  int nCommCalls = 0;
  bool lCtlColor = false;
};

// A modal dialog object that ends itself when it gets WM_CLOSE.
class ClosingDialog : public ProbeWindow {
 public:
  Value HandleEvent(UINT nMsg, WPARAM w, LPARAM l) override {
    if (nMsg == WM_INITDIALOG) {
      hWnd = reinterpret_cast<HWND>(l);
      if (bInitDone) bInitDone();
      return 1;
    }
    if (nMsg == WM_CLOSE) {
      EndDialog(hWnd, 0);
      return 1;
    }
    return TWindow::HandleEvent(nMsg, w, l);
  }
  std::function<void()> bInitDone;
};

TEST(DispatchTest, ModalProcedureResultConventions) {
  struct Case {
    Value vAnswer;
    INT_PTR nReturned;
  } aCases[] = {{Value(), 0},  {Value(true), 1}, {Value(false), 0}, {Value(42), 42},
                {Value(3.7), 3}, {Value("A"), 65}, {Value("AB"), 0}};
  HWND hWnd = CreatePlainWindow();
  for (const Case& c : aCases) {
    ProbeWindow oDlg;
    oDlg.vAnswer = c.vAnswer;
    ASSERT_TRUE(PushModalBinding(&oDlg));
    EXPECT_EQ(ModalDialogProc(hWnd, WM_COMMNOTIFY, 1, 1), c.nReturned);
    EXPECT_EQ(oDlg.nCommCalls, 1);
    PopModalBinding();
  }
  // No object for the handle: 0, and nothing is called.
  EXPECT_EQ(ModalDialogProc(hWnd, WM_COMMNOTIFY, 1, 1), 0);
  DestroyWindow(hWnd);
}

TEST(DispatchTest, ModalBindingsBindTheNewestDialogAndHoldFifty) {
  ProbeWindow aDialogs[51];
  HWND hFirst = reinterpret_cast<HWND>(0x1000), hSecond = reinterpret_cast<HWND>(0x2000);
  EXPECT_EQ(FindModalBinding(hFirst), nullptr);  // empty table
  ASSERT_TRUE(PushModalBinding(&aDialogs[0]));
  EXPECT_EQ(FindModalBinding(hFirst), &aDialogs[0]);  // first sight binds
  ASSERT_TRUE(PushModalBinding(&aDialogs[1]));
  EXPECT_EQ(FindModalBinding(hSecond), &aDialogs[1]);
  EXPECT_EQ(FindModalBinding(hFirst), &aDialogs[0]);
  EXPECT_EQ(FindModalBinding(reinterpret_cast<HWND>(0x3000)), nullptr);  // newest already bound
  for (int i = 2; i < 50; ++i) ASSERT_TRUE(PushModalBinding(&aDialogs[i]));
  EXPECT_FALSE(PushModalBinding(&aDialogs[50]));
  for (int i = 0; i < 50; ++i) PopModalBinding();
  PopModalBinding();  // popping an empty table does nothing
  EXPECT_EQ(FindModalBinding(hFirst), nullptr);
}

TEST(DispatchTest, CommNotifyFromAnotherThreadReachesTheActionOnTheGuiThread) {
  ClosingDialog oDlg;
  DWORD nActionThread = 0;
  WPARAM nGotW = 0;
  LPARAM nGotL = 0;
  oDlg.bCommNotify = [&](WPARAM w, LPARAM l) {
    nActionThread = GetCurrentThreadId();
    nGotW = w;
    nGotL = l;
    return Value(true);
  };
  std::thread sender;
  oDlg.bInitDone = [&] {
    HWND hDlg = oDlg.hWnd;
    sender = std::thread([hDlg] {
      SendMessageA(hDlg, WM_COMMNOTIFY, 7, 1);
      PostMessageA(hDlg, WM_CLOSE, 0, 0);
    });
  };
  std::string cTemplate = test::DialogHeader(0);
  ASSERT_TRUE(PushModalBinding(&oDlg));
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                          reinterpret_cast<const DLGTEMPLATE*>(cTemplate.data()), nullptr,
                          ModalDialogProc, 0);
  PopModalBinding();
  sender.join();
  EXPECT_EQ(nActionThread, GetCurrentThreadId());
  EXPECT_EQ(nGotW, 7u);
  EXPECT_EQ(nGotL, 1);
}

TEST(DispatchTest, SubclassProcedureResultsAndThePreviousProcedure) {
  HWND hWnd = CreatePlainWindow();
  ProbeWindow oWnd;
  oWnd.hWnd = hWnd;
  oWnd.Link();
  EXPECT_EQ(SendMessageA(hWnd, WM_COMMNOTIFY, 1, 1), kPlainResult);  // nil: previous procedure
  oWnd.vAnswer = Value(3.9);
  EXPECT_EQ(SendMessageA(hWnd, WM_COMMNOTIFY, 1, 1), 3);
  oWnd.vAnswer = Value("A");
  EXPECT_EQ(SendMessageA(hWnd, WM_COMMNOTIFY, 1, 1), 65);
  oWnd.vAnswer = Value(false);
  EXPECT_EQ(SendMessageA(hWnd, WM_COMMNOTIFY, 1, 1), 0);
  // A key handled with 0 never reaches the previous procedure; nil passes it on.
  oWnd.vAnswer = Value(0);
  SendMessageA(hWnd, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(test::PlainKeyDowns(hWnd), 0);
  oWnd.vAnswer = Value();
  SendMessageA(hWnd, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(test::PlainKeyDowns(hWnd), 1);
  // WM_CTLCOLORBTN is not in the table.
  SendMessageA(hWnd, WM_CTLCOLORBTN, 0, reinterpret_cast<LPARAM>(hWnd));
  EXPECT_FALSE(oWnd.lCtlColor);
  SendMessageA(hWnd, WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(hWnd));
  EXPECT_TRUE(oWnd.lCtlColor);
  oWnd.UnLink();
  EXPECT_EQ(SendMessageA(hWnd, WM_COMMNOTIFY, 1, 1), kPlainResult);
  EXPECT_EQ(OWNDFROMHWND(hWnd), nullptr);
  DestroyWindow(hWnd);
}

TEST(DispatchTest, RegistryReusesAFreedIndexAndKeepsTheOthers) {
  HWND aWnd[3] = {CreatePlainWindow(), CreatePlainWindow(), CreatePlainWindow()};
  ProbeWindow aObj[3];
  for (int i = 0; i < 2; ++i) {
    aObj[i].hWnd = aWnd[i];
    aObj[i].Link();
  }
  int nFirst = RegistryIndexOf(&aObj[0]), nSecond = RegistryIndexOf(&aObj[1]);
  EXPECT_EQ(static_cast<int>(GetWindowLongPtrA(aWnd[0], GWLP_USERDATA)), nFirst);
  aObj[0].UnLink();
  aObj[2].hWnd = aWnd[2];
  aObj[2].Link();
  EXPECT_EQ(RegistryIndexOf(&aObj[2]), nFirst);
  EXPECT_EQ(RegistryIndexOf(&aObj[1]), nSecond);
  EXPECT_EQ(OWNDFROMHWND(aWnd[2]), &aObj[2]);
  for (HWND h : aWnd) DestroyWindow(h);
}

TEST(DispatchTest, ObjectDestroyedWhileLinkedLeavesTheWindowToItsOwnProcedure) {
  HWND hWnd = CreatePlainWindow();
  {
    ProbeWindow oWnd;
    oWnd.hWnd = hWnd;
    oWnd.Link();
  }
  EXPECT_EQ(SendMessageA(hWnd, WM_COMMNOTIFY, 1, 1), kPlainResult);
  DestroyWindow(hWnd);
}

TEST(DispatchTest, MessagesByHandleWithText) {
  HWND hA = CreatePlainWindow(false), hW = CreatePlainWindow(true);
  EXPECT_EQ(SENDMESSAGE(hA, WM_SETTEXT, 0, Value("caf\xE9")).AsInteger(), 1);
  char aText[16] = {};
  GetWindowTextA(hA, aText, sizeof aText);
  EXPECT_STREQ(aText, "caf\xE9");
  EXPECT_EQ(SENDMESSAGE(hW, WM_SETTEXT, 0, Value("caf\xE9")).AsInteger(), 1);
  wchar_t aWide[16] = {};
  GetWindowTextW(hW, aWide, 16);
  EXPECT_STREQ(aWide, L"caf\u00E9");
  // Not a window: nothing is sent.
  HWND hGone = CreatePlainWindow();
  DestroyWindow(hGone);
  EXPECT_EQ(SENDMESSAGE(hGone, WM_SETTEXT, 0, Value("x")).AsInteger(), 0);
  EXPECT_EQ(POSTMESSAGE(hGone, WM_NULL, 0, Value(0)).AsInteger(), 0);
  EXPECT_EQ(POSTMESSAGE(hA, WM_SETTEXT, 0, Value("x")).AsInteger(), 0);  // a posted text would dangle
  EXPECT_EQ(POSTMESSAGE(hA, WM_NULL, 0, Value(0)).AsInteger(), 1);
  DestroyWindow(hA);
  DestroyWindow(hW);
}

TEST(DispatchTest, CommNotifyWithoutActionIsNil) {
  TWindow oWnd;
  EXPECT_TRUE(oWnd.CommNotify(1, 1).IsNil());
  oWnd.bCommNotify = [](WPARAM w, LPARAM l) { return Value(static_cast<long long>(w + l)); };
  EXPECT_EQ(oWnd.CommNotify(4, 1).AsInteger(), 5);
}

TEST(DispatchTest, EndPostsCloseOnlyWhenTheGuardAllows) {
  HWND hWnd = CreatePlainWindow();
  TWindow oWnd;
  oWnd.hWnd = hWnd;
  oWnd.bValid = [](TWindow&) { return false; };
  EXPECT_FALSE(oWnd.End().IsTrue());
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, hWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
  oWnd.bValid = nullptr;
  EXPECT_TRUE(oWnd.End().IsTrue());
  EXPECT_TRUE(PeekMessageA(&msg, hWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
  oWnd.hWnd = nullptr;
  DestroyWindow(hWnd);
}

}  // namespace
}  // namespace qvz::ui
