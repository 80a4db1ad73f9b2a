// The main dialog's close guard, the receiver's own, with the keys held as
// a user holds them and the transfer loop really running.

#include "app/main_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "app/receive_queue.h"
#include "app/transfer_loop.h"
#include "harness/keyboard.h"
#include "runtime/accessor.h"
#include "ui/multi_get.h"
#include "ui/window.h"

namespace qvz::app {
namespace {

using test::HeldKey;

struct GuardCase {
  const char* cWhat;
  bool lEscape, lF4;
  bool lMayEnd;
};

// The guard's answer for each case, with its keys held meanwhile.
void ExpectGuard(ui::TWindow& oDlg, const GuardCase (&aCases)[4]) {
  for (const GuardCase& c : aCases) {
    SCOPED_TRACE(c.cWhat);
    std::optional<HeldKey> oEscape, oF4;
    if (c.lEscape) oEscape.emplace(VK_ESCAPE);
    if (c.lF4) oF4.emplace(VK_F4);
    EXPECT_EQ(MayEnd(oDlg), c.lMayEnd);
  }
}

TEST(MainWindowTest, GuardRefusesWhileF4IsDownAndWhileTheLoopRunsWithoutEscape) {
  ui::TWindow oDlg;
  ExpectGuard(oDlg, {{"no key", false, false, true},
                     {"F4 (Alt+F4)", false, true, false},
                     {"Escape", true, false, true},
                     {"Escape and F4", true, true, false}});

  // The same questions asked while the loop waits for a command: a timer
  // fires inside the loop's waits, asks, and then holds ESC, which ends it.
  static ui::TWindow* oAsked = nullptr;
  static bool lAsked = false;
  oAsked = &oDlg;
  lAsked = false;
  const UINT_PTR nTimer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR nId, DWORD) {
    KillTimer(nullptr, nId);
    EXPECT_TRUE(TransferLoopRunning());
    ExpectGuard(*oAsked, {{"no key, loop running", false, false, false},
                          {"F4, loop running", false, true, false},
                          {"Escape, loop running", true, false, true},
                          {"Escape and F4, loop running", true, true, false}});
    lAsked = true;
    tools::PressKey(VK_ESCAPE);
  });
  ASSERT_NE(nTimer, 0u);
  while (!GETCHAR().empty()) {
  }
  std::string cText;
  ui::TWindow oParent;
  ui::TMultiGet oLog({.bSetGet = runtime::TextAccessor(cText), .oWnd = &oParent, .lReadOnly = true});
  QVZ(-1, oLog);
  tools::ReleaseKey(VK_ESCAPE);
  EXPECT_TRUE(lAsked);
  EXPECT_FALSE(TransferLoopRunning());
}

}  // namespace
}  // namespace qvz::app
