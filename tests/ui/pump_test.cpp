#include <windows.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "harness/pump.h"
#include "test_window.h"
#include "ui/framework_cells.h"
#include "ui/message_pump.h"
#include "ui/modeless_list.h"

namespace qvz::ui {
namespace {

constexpr UINT kMark = WM_APP + 1;

std::vector<WPARAM>& Marks() {
  static std::vector<WPARAM> aMarks;
  return aMarks;
}

LRESULT CALLBACK MarkProc(HWND hWnd, UINT nMsg, WPARAM w, LPARAM l) {
  if (nMsg == kMark) Marks().push_back(w);
  return DefWindowProcA(hWnd, nMsg, w, l);
}

HWND CreateMarkWindow() {
  static const ATOM kClass = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = MarkProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QvzMark";
    return RegisterClassA(&wc);
  }();
  return CreateWindowA(MAKEINTATOM(kClass), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                       GetModuleHandleA(nullptr), nullptr);
}

void DrainThreadQueue() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

TEST(PumpTest, EmptyQueueReturnsTrueAtOnce) {
  DrainThreadQueue();
  EXPECT_TRUE(SYSREFRESH());
}

TEST(PumpTest, QuitBehindOtherMessagesStopsThePumpAndIsRepostedOnlyForARunningLoop) {
  HWND hWnd = CreateMarkWindow();
  for (bool lLoopRunning : {true, false}) {
    SCOPED_TRACE(lLoopRunning ? "loop running" : "no loop");
    DrainThreadQueue();
    Marks().clear();
    bool lWas = SetLoopRunning(lLoopRunning);
    PostMessageA(hWnd, kMark, 1, 0);
    PostMessageA(hWnd, kMark, 2, 0);
    PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 0, 0);  // in line with the others
    PostMessageA(hWnd, kMark, 3, 0);
    EXPECT_FALSE(SYSREFRESH());
    SetLoopRunning(lWas);
    EXPECT_EQ(Marks(), (std::vector<WPARAM>{1, 2}));
    MSG msg;
    bool lQuitAgain = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) lQuitAgain = true;
      if (msg.message == kMark) {
        EXPECT_EQ(msg.wParam, 3u);
      }
    }
    EXPECT_EQ(lQuitAgain, lLoopRunning);
  }
  DestroyWindow(hWnd);
}

TEST(PumpTest, QuitAloneAndMessagesSentFromOtherThreadsAreSeen) {
  DrainThreadQueue();
  PostQuitMessage(0);
  EXPECT_FALSE(SYSREFRESH());
  HWND hWnd = CreateMarkWindow();
  DrainThreadQueue();
  Marks().clear();
  // A sender that waits without end would hold the test at the join.
  std::thread sender([hWnd] { SendMessageTimeoutA(hWnd, kMark, 9, 0, SMTO_NORMAL, 10000, nullptr); });
  // The sent message is handled inside the pump.
  EXPECT_TRUE(qvz::test::PumpUntil([] { return !Marks().empty(); }, 10000, test::FrameworkPump));
  sender.join();
  EXPECT_EQ(Marks(), (std::vector<WPARAM>{9}));
  DestroyWindow(hWnd);
}

TEST(PumpTest, LastCharacterIsKeptAlsoWhenAModelessDialogTakesIt) {
  std::string cTemplate = test::DialogHeader(0);
  HWND hDlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                         reinterpret_cast<const DLGTEMPLATE*>(cTemplate.data()),
                                         nullptr, ModelessCreationProc, 0);
  ASSERT_TRUE(hDlg);
  EXPECT_FALSE(IsWindowVisible(hDlg));  // creation hides it
  ASSERT_TRUE(REGDIALOG(hDlg));
  DrainThreadQueue();
  PostMessageA(hDlg, WM_CHAR, 'q', 0);
  EXPECT_TRUE(SYSREFRESH());
  EXPECT_EQ(LastChar(), static_cast<unsigned>('q'));
  EXPECT_TRUE(DEREGDIALOG(hDlg));
  EXPECT_FALSE(DEREGDIALOG(hDlg));
  DestroyWindow(hDlg);
}

TEST(PumpTest, ModelessListHoldsFifteenHundred) {
  std::vector<HWND> aFake;
  for (int i = 1; CANREGDIALOG(); ++i) {
    aFake.push_back(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x10000 + i)));
    ASSERT_TRUE(REGDIALOG(aFake.back()));
  }
  EXPECT_EQ(aFake.size(), 1500u);
  EXPECT_FALSE(REGDIALOG(reinterpret_cast<HWND>(0x9999)));
  for (HWND h : aFake) EXPECT_TRUE(DEREGDIALOG(h));
  EXPECT_TRUE(CANREGDIALOG());
}

}  // namespace
}  // namespace qvz::ui
