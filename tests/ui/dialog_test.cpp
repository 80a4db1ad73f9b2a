#include "ui/dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "harness/captured_errors.h"
#include "harness/pump.h"
#include "test_window.h"
#include "ui/dialog_runners.h"
#include "ui/dialog_template.h"
#include "ui/message_pump.h"
#include "ui/modeless_list.h"
#include "ui/say.h"
#include "ui/window_registry.h"

namespace qvz::ui {
namespace {

// Pumps with the framework's pump until bDone holds; whether it did.
bool PumpUntil(const std::function<bool()>& bDone) { return qvz::test::PumpUntil(bDone, 2000, test::FrameworkPump); }

// Pumps for a while, so that anything posted has been handled.
void PumpAWhile() { qvz::test::PumpFor(200, test::FrameworkPump); }

TDialog::NewArgs ReceiverShaped() {
  TDialog::NewArgs a;
  a.cCaption = "QVZ test  ";
  a.nStyle = 0;
  a.nPixelRight = 500;
  a.nPixelBottom = 500;
  return a;
}

TEST(DialogTest, StartActionRunsOnceAfterTheInitActionAlsoWhenRepaintedMeanwhile) {
  TDialog oDlg(ReceiverShaped());
  std::vector<std::string> aSteps;
  oDlg.bStart = [&](const Value& v) {
    aSteps.push_back(v.IsNil() ? "start" : "start with a value");
    EXPECT_TRUE(IsWindowVisible(oDlg.hWnd));
    char aTitle[32] = {};
    GetWindowTextA(oDlg.hWnd, aTitle, sizeof aTitle);
    EXPECT_STREQ(aTitle, "QVZ test");  // trailing blanks removed
    for (int i = 0; i < 3; ++i) {  // repaint while the action runs
      InvalidateRect(oDlg.hWnd, nullptr, TRUE);
      PumpAWhile();
    }
    oDlg.End();
  };
  TDialog::ActivateArgs a;
  a.lCentered = true;
  a.bInit = [&](TDialog&) {
    aSteps.push_back("init");
    return Value();
  };
  oDlg.Activate(a);
  EXPECT_EQ(aSteps, (std::vector<std::string>{"init", "start"}));
  EXPECT_EQ(oDlg.nResult.AsInteger(), 2);
  EXPECT_FALSE(oDlg.bStart);
}

TEST(DialogTest, DialogEndedByItsInitActionIsNeverShown) {
  TDialog oDlg(ReceiverShaped());
  bool lStarted = false, lPainted = false;
  oDlg.bStart = [&](const Value&) { lStarted = true; };
  TDialog::ActivateArgs a;
  a.bInit = [](TDialog& d) {
    d.End();
    return Value();
  };
  a.bPainted = [&](HDC, const PAINTSTRUCT&, TDialog&) {
    lPainted = true;
    return Value();
  };
  oDlg.Activate(a);
  EXPECT_FALSE(lStarted);
  EXPECT_FALSE(lPainted);
  EXPECT_EQ(oDlg.nResult.AsInteger(), 2);
}

TEST(DialogTest, WhenRefusingCreatesNothing) {
  TDialog oDlg(ReceiverShaped());
  bool lInit = false;
  int nBefore = TDialog::nActivations();
  TDialog::ActivateArgs a;
  a.bWhen = [](TDialog&) { return false; };
  a.bInit = [&](TDialog&) {
    lInit = true;
    return Value();
  };
  oDlg.Activate(a);
  EXPECT_FALSE(lInit);
  EXPECT_EQ(oDlg.nResult.AsInteger(), 2);
  EXPECT_EQ(TDialog::nActivations(), nBefore);
  EXPECT_FALSE(oDlg.lVisible);
}

TEST(DialogTest, DuplicateIdentifierIsRaisedAndNotListed) {
  qvz::test::CapturedErrors oErrors;
  TDialog oDlg(ReceiverShaped());
  TWindow oFirst, oSecond;
  oFirst.nId = 101;
  oSecond.nId = 101;
  oDlg.DefControl(&oFirst);
  oDlg.DefControl(&oSecond);
  ASSERT_EQ(oDlg.aControls.size(), 1u);
  const auto aErrors = oErrors.Errors();
  ASSERT_EQ(aErrors.size(), 1u);
  EXPECT_EQ(aErrors[0].description, "Duplicated Id");
  EXPECT_EQ(aErrors[0].operation, "No:    101");
  EXPECT_EQ(aErrors[0].subCode, 2);
  EXPECT_EQ(aErrors[0].subSystem, "Korvane");
}

TEST(DialogTest, AnItemThatGoesLeavesItsDialogsList) {
  TDialog oDlg(ReceiverShaped());
  TSay oKept(oDlg, 101, "kept", {0, 0, 40, 8});
  {
    TSay oGone(oDlg, 102, "gone", {10, 0, 40, 8});
    ASSERT_EQ(oDlg.aControls.size(), 2u);
  }
  EXPECT_EQ(oDlg.aControls, std::vector<TWindow*>{&oKept});
}

TEST(DialogTest, FailedCreationGives65535AndTheCreationError) {
  for (bool lWide : {false, true}) {
    qvz::test::CapturedErrors oErrors;
    TDialog oDlg(ReceiverShaped());
    oDlg.cResData = CDLG2CHR(1, 0, 0, 100, 100, "x", WS_POPUP) +
                    CCTRL2CHR(0, 0, 10, 10, 5, WS_CHILD, "NoSuchClass", "");
    oDlg.lUnicode = lWide;
    oDlg.Activate();
    EXPECT_EQ(oDlg.nResult.AsInteger(), 65535);
    const auto aErrors = oErrors.Errors();
    ASSERT_EQ(aErrors.size(), 1u);
    EXPECT_EQ(aErrors[0].description, "Cannot create Dialog Box");
    EXPECT_EQ(aErrors[0].operation, "\r\n" + std::string(22, ' ') + "Title: QVZ test");
  }
}

TEST(DialogTest, EveryModalRunnerGives65535WhenCreationFails) {
  TDialog oDlg(ReceiverShaped());
  const std::string cBad = CDLG2CHR(1, 0, 0, 100, 100, "x", WS_POPUP) +
                           CCTRL2CHR(0, 0, 10, 10, 5, WS_CHILD, "NoSuchClass", "");
  HINSTANCE hSelf = GetModuleHandleA(nullptr);
  EXPECT_EQ(DIALOGBOX(hSelf, Value("NOSUCHDIALOG"), nullptr, &oDlg), 65535);
  EXPECT_EQ(DIALOGBOXW(hSelf, Value(4711), nullptr, &oDlg), 65535);
  EXPECT_EQ(DIALOGBOXINDIRECT(hSelf, cBad, nullptr, &oDlg), 65535);
  EXPECT_EQ(DIALOGBOXINDIRECTW(hSelf, cBad, nullptr, &oDlg), 65535);
  EXPECT_EQ(DIALOGBOXINDIRECT(hSelf, "", nullptr, &oDlg), 0);  // an empty template: nothing at all
  EXPECT_EQ(CREATEDLG(hSelf, Value("NOSUCHDIALOG"), nullptr, &oDlg), nullptr);
  EXPECT_EQ(CREATEDLGINDIRECTW(hSelf, "", nullptr, &oDlg), nullptr);
}

// Each way of asking a modal dialog to close, sent while its start action runs.
struct CloseRequest {
  const char* cName;
  std::function<void(HWND)> bAsk;
};

const CloseRequest kCloseRequests[] = {
    {"close box", [](HWND h) { PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"Alt+F4", [](HWND h) { PostMessageA(h, WM_SYSKEYDOWN, VK_F4, 1 << 29); }},
    {"Escape", [](HWND h) { PostMessageA(h, WM_KEYDOWN, VK_ESCAPE, 0); }},
    {"IDCANCEL", [](HWND h) { PostMessageA(h, WM_COMMAND, IDCANCEL, 0); }},
};

TEST(DialogCloseTest, EveryCloseRequestPassesTheGuard) {
  for (const CloseRequest& r : kCloseRequests) {
    SCOPED_TRACE(r.cName);
    TDialog oDlg(ReceiverShaped());
    int nAsked = 0;
    bool lAllow = false;
    oDlg.bStart = [&](const Value&) {
      r.bAsk(oDlg.hWnd);
      ASSERT_TRUE(PumpUntil([&] { return nAsked == 1; }));
      PumpAWhile();
      EXPECT_TRUE(IsWindowVisible(oDlg.hWnd));  // refused: still open
      lAllow = true;
      r.bAsk(oDlg.hWnd);
      ASSERT_TRUE(PumpUntil([&] { return nAsked == 2; }));
    };
    TDialog::ActivateArgs a;
    a.bValid = [&](TWindow&) {
      ++nAsked;
      return lAllow;
    };
    oDlg.Activate(a);
    EXPECT_EQ(nAsked, 2);
    EXPECT_EQ(oDlg.nResult.AsInteger(), 2);
  }
}

TEST(ModelessDialogTest, LivesBesideItsCallerAndEndsThroughClose) {
  TDialog oDlg(ReceiverShaped());
  TDialog::ActivateArgs a;
  a.lModal = false;
  bool lInit = false;
  a.bInit = [&](TDialog&) {
    lInit = true;
    return Value();
  };
  oDlg.Activate(a);
  ASSERT_TRUE(oDlg.hWnd);
  EXPECT_TRUE(lInit);
  EXPECT_TRUE(IsWindowVisible(oDlg.hWnd));
  EXPECT_EQ(OWNDFROMHWND(oDlg.hWnd), &oDlg);  // linked
  HWND hWnd = oDlg.hWnd;
  EXPECT_TRUE(oDlg.End(7).IsTrue());
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(hWnd); }));
  EXPECT_EQ(oDlg.hWnd, nullptr);
  EXPECT_EQ(oDlg.nResult.AsInteger(), 7);
  EXPECT_EQ(OWNDFROMHWND(hWnd), nullptr);
}

}  // namespace
}  // namespace qvz::ui
