#include "support/close_guard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "harness/box_answerer.h"
#include "runtime/accessor.h"
#include "ui/dialog.h"
#include "ui/folder.h"
#include "ui/multi_get.h"

namespace qvz::support {
namespace {

using test::BoxAnswerer;
using test::Press;
using ui::Value;

// A shown modeless dialog with one log-like control, as a guarded dialog.
struct GuardedDialog {
  explicit GuardedDialog(ui::TWindow* oParent = nullptr) {
    ui::TDialog::NewArgs a;
    a.cCaption = "Guarded";
    a.oWnd = oParent;
    a.nPixelRight = 300;
    a.nPixelBottom = 200;
    oDlg.New(a);
    oCtrl = std::make_unique<ui::TMultiGet>(ui::TMultiGet::NewArgs{.bSetGet = runtime::TextAccessor(cText), .oWnd = &oDlg});
    ui::TDialog::ActivateArgs act;
    act.lModal = false;
    oDlg.Activate(act);
  }
  ~GuardedDialog() {
    if (oDlg.hWnd) DestroyWindow(oDlg.hWnd);
  }
  std::string cText;
  ui::TDialog oDlg;
  std::unique_ptr<ui::TMultiGet> oCtrl;
};

TEST(CloseGuardTest, CancelPathWithoutAskingIsTrueWhateverTheChanges) {
  GuardedDialog g;
  g.oDlg.lModify = true;
  EXPECT_TRUE(__VALID(g.oDlg, false));
  g.oDlg.Cargo = 2;  // 2 is a cancel too
  EXPECT_TRUE(__VALID(g.oDlg, false));
  g.oDlg.lModify = false;
  EXPECT_TRUE(__VALID(g.oDlg, true));  // nothing to lose: no question
}

TEST(CloseGuardTest, DiscardQuestionDecidesAndNoPutsTheFocusBack) {
  GuardedDialog g;
  g.oDlg.lModify = true;
  SetFocus(g.oCtrl->hWnd);
  {
    BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", Press(IDNO));
    EXPECT_FALSE(__VALID(g.oDlg, true));
    EXPECT_EQ(oUser.Seen().cText, "Annullo le modifiche?");
    EXPECT_EQ(oUser.Seen().nDefault, IDNO);
  }
  EXPECT_EQ(GetFocus(), g.oCtrl->hWnd);
  BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", Press(IDYES));
  EXPECT_TRUE(__VALID(g.oDlg, true));
}

TEST(CloseGuardTest, SecondEndingAttemptWhileTheQuestionIsOpenIsRefused) {
  GuardedDialog g;
  g.oDlg.lModify = true;
  // While the question is up, its message loop handles a request that tries
  // to end the dialog again.
  int nInner = -1;
  g.oDlg.bCommNotify = [&](WPARAM, LPARAM) {
    nInner = __VALID(g.oDlg, true) ? 1 : 0;
    return Value();
  };
  PostMessageA(g.oDlg.hWnd, WM_COMMNOTIFY, 0, 0);
  BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", Press(IDYES));
  EXPECT_TRUE(__VALID(g.oDlg, true));
  EXPECT_EQ(nInner, 0);
}

TEST(CloseGuardTest, ConfirmPathChecksEveryControlAndResetsCargo) {
  GuardedDialog g;
  g.oDlg.Cargo = 1;
  int nChecked = 0;
  g.oCtrl->bCargoCheck = [&](ui::TControl&) {
    ++nChecked;
    return true;
  };
  EXPECT_TRUE(__VALID(g.oDlg, false));
  EXPECT_EQ(nChecked, 1);
  EXPECT_TRUE(g.oDlg.Cargo.IsNil());
  EXPECT_TRUE(__VALID(g.oDlg, false));  // cancel path now: no check
  EXPECT_EQ(nChecked, 1);
}

TEST(CloseGuardTest, FailingControlOnTheSecondFolderPageIsShownRedWithItsMessage) {
  GuardedDialog g;
  ui::TFolder oFolder;
  g.oDlg.aControls.push_back(&oFolder);
  GuardedDialog aPages[3] = {GuardedDialog(&g.oDlg), GuardedDialog(&g.oDlg), GuardedDialog(&g.oDlg)};
  for (auto& p : aPages) oFolder.aDialogs.push_back(&p.oDlg);
  aPages[1].oCtrl->bCargoCheck = [](ui::TControl&) { return false; };
  ui::TControl& oBad = *aPages[1].oCtrl;
  const COLORREF nPane = oBad.nClrPane;
  g.oDlg.Cargo = 1;
  BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", Press(IDOK), [&] {
    return oBad.nClrPane == RGB(255, 0, 0) && IsWindowVisible(aPages[1].oDlg.hWnd) &&
           !IsWindowVisible(aPages[0].oDlg.hWnd) && !IsWindowVisible(aPages[2].oDlg.hWnd);
  });
  EXPECT_FALSE(__VALID(g.oDlg, false));
  EXPECT_EQ(oUser.Seen().cText, "Campo non valido.");
  EXPECT_TRUE(oUser.Seen().lCheck);
  EXPECT_EQ(oBad.nClrPane, nPane);  // restored after the message
  EXPECT_EQ(GetFocus(), oBad.hWnd);
  EXPECT_EQ(oFolder.nOption, 2);
  g.oDlg.aControls.pop_back();
}

TEST(CloseGuardTest, ModifiedPagesMarkTheirDialog) {
  GuardedDialog g;
  ui::TFolder oFolder;
  g.oDlg.aControls.push_back(&oFolder);
  GuardedDialog oPage(&g.oDlg);
  oFolder.aDialogs.push_back(&oPage.oDlg);
  g.oDlg.lModify = false;
  oPage.oDlg.lModify = true;
  UPDATEMODIFY(g.oDlg);
  EXPECT_TRUE(g.oDlg.lModify);
  RESETMODIFY(oFolder);
  EXPECT_FALSE(oPage.oDlg.lModify);
  g.oDlg.aControls.pop_back();
}

}  // namespace
}  // namespace qvz::support
