#include "ui/client_fill.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "log_dialog.h"
#include "test_window.h"

namespace qvz::ui {
namespace {

using test::MakeWindow;
using test::PlacementOf;
using test::UniqueWindow;

struct Placement {
  int nX, nY, nWidth, nHeight;
  friend bool operator==(const Placement&, const Placement&) = default;
};

std::ostream& operator<<(std::ostream& os, const Placement& p) {
  return os << "(" << p.nX << ", " << p.nY << ") " << p.nWidth << " x " << p.nHeight;
}

Placement PlacementOfWindow(HWND hWnd) {
  RECT r = PlacementOf(hWnd);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

UniqueWindow MakeBar(HWND hParent, int nWidth, int nHeight, bool lToolbar) {
  if (!lToolbar) return MakeWindow(WS_CHILD, 0, 0, nWidth, nHeight, hParent);
  return UniqueWindow(CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                                      WS_CHILD | CCS_NORESIZE | CCS_NOPARENTALIGN, 0, 0, nWidth,
                                      nHeight, hParent, nullptr, GetModuleHandleA(nullptr), nullptr));
}

TEST(ClientFillTest, FillsWhatTheBarsLeaveOfTheClientArea) {
  INITCOMMONCONTROLSEX oInit{sizeof oInit, ICC_BAR_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&oInit));
  // The parent's client area is 400 x 300.
  const struct {
    const char* cWhat;
    bool lOwned;
    int nTop, nBottom, nLeft, nRight;  // bar heights and pane widths, 0 for none
    bool lToolbarOnTop;
    int nBevel;
    Placement oExpected;
  } aCases[] = {
      {"no bars, parent without owner: overhangs", false, 0, 0, 0, 0, false, 0, {-1, -1, 402, 303}},
      {"no bars, owned parent", true, 0, 0, 0, 0, false, 0, {0, 0, 400, 301}},
      {"bars, parent without owner", false, 20, 15, 30, 25, false, 0, {28, 18, 348, 268}},
      {"bars, owned parent", true, 20, 15, 30, 25, false, 0, {29, 18, 346, 267}},
      {"a toolbar on top counts 2 more", true, 24, 0, 0, 0, true, 0, {0, 24, 400, 276}},
      {"bevel: inset on every side", false, 20, 15, 30, 25, false, 3, {32, 23, 340, 259}},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.cWhat);
    UniqueWindow hOwner = MakeWindow(WS_POPUP, 0, 0, 50, 50);
    UniqueWindow hParent = MakeWindow(WS_POPUP, 40, 40, 400, 300, c.lOwned ? hOwner.get() : nullptr);
    UniqueWindow hControl = MakeWindow(WS_CHILD, 0, 0, 10, 10, hParent.get());
    UniqueWindow hTop, hBottom, hLeft, hRight;
    if (c.nTop) hTop = MakeBar(hParent.get(), 400, c.nTop, c.lToolbarOnTop);
    if (c.nBottom) hBottom = MakeBar(hParent.get(), 400, c.nBottom, false);
    if (c.nLeft) hLeft = MakeBar(hParent.get(), c.nLeft, 100, false);
    if (c.nRight) hRight = MakeBar(hParent.get(), c.nRight, 100, false);

    WNDADJCLIENT(hControl.get(), hTop.get(), hBottom.get(), hLeft.get(), hRight.get(), c.nBevel);
    EXPECT_EQ(PlacementOfWindow(hControl.get()), c.oExpected);
  }
}

TEST(ClientFillTest, LogCoversItsDialogsClientAreaAlsoAfterAResize) {
  test::LogDialog oDialog;
  HWND hDlg = oDialog.hDlg.get();
  for (int nGrow : {0, 120}) {
    SCOPED_TRACE(nGrow);
    RECT rWindow{};
    GetWindowRect(hDlg, &rWindow);
    SetWindowPos(hDlg, nullptr, 0, 0, rWindow.right - rWindow.left + nGrow,
                 rWindow.bottom - rWindow.top + nGrow / 2, SWP_NOMOVE | SWP_NOZORDER);
    RECT rClient{};
    GetClientRect(hDlg, &rClient);
    EXPECT_EQ(PlacementOfWindow(oDialog.oLog.hWnd),
              (Placement{-1, -1, rClient.right + 2, rClient.bottom + 3}));
  }
}

}  // namespace
}  // namespace qvz::ui
