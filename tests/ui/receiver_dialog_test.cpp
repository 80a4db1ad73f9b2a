// The receiver's window as its program entry builds it: a 500 x 500 pixel
// dialog without style bits, centred, whose client area is the read-only log.

#include <windows.h>

#include <gtest/gtest.h>

#include "harness/pump.h"
#include "harness/unix_command.h"
#include "log_dialog.h"
#include "runtime/accessor.h"
#include "window_picture.h"
#include "ui/dialog.h"
#include "ui/message_pump.h"
#include "ui/multi_get.h"

namespace qvz::ui {
namespace {

struct ReceiverWindow {
  ReceiverWindow() {
    TDialog::NewArgs a;
    a.cCaption = "QVZ - ricezione su COM1";
    a.nStyle = 0;
    a.nPixelRight = 500;
    a.nPixelBottom = 500;
    oDlg.New(a);
    TMultiGet::NewArgs l;
    l.bSetGet = runtime::TextAccessor(cLog);
    l.oWnd = &oDlg;
    l.lReadOnly = true;
    oLog = std::make_unique<TMultiGet>(l);
  }
  std::string cLog;
  TDialog oDlg;
  std::unique_ptr<TMultiGet> oLog;
};

void PumpFor(DWORD nMs) { qvz::test::PumpFor(nMs, test::FrameworkPump); }

TEST(ReceiverWindowTest, LogFillsTheClientAreaAndEscapeInItEndsTheDialog) {
  ReceiverWindow w;
  bool lValidAsked = false;
  w.oDlg.bStart = [&](const Value&) {
    HWND hLog = w.oLog->hWnd;
    ASSERT_TRUE(hLog);
    EXPECT_EQ(GetDlgCtrlID(hLog), 101);
    for (const char* cLine : {"Settori 0 - 17", "Settori 18 - 35", "Salvato DISCO1.QVZ"})
      w.oLog->AppendLine(cLine);
    EXPECT_EQ(w.cLog, "Settori 0 - 17\r\nSettori 18 - 35\r\nSalvato DISCO1.QVZ\r\n");
    for (bool lResized : {false, true}) {
      if (lResized) {
        SetWindowPos(w.oDlg.hWnd, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
        PumpFor(50);
      }
      RECT rcClient;
      GetClientRect(w.oDlg.hWnd, &rcClient);
      RECT rcLog = test::PlacementOf(hLog);
      EXPECT_EQ(rcLog.left, -1);
      EXPECT_EQ(rcLog.top, -1);
      EXPECT_EQ(rcLog.right - rcLog.left, rcClient.right + 2);
      EXPECT_EQ(rcLog.bottom - rcLog.top, rcClient.bottom + 3);
    }
    SetWindowPos(w.oDlg.hWnd, nullptr, 0, 0, 502, 502, SWP_NOMOVE | SWP_NOZORDER);
    PumpFor(100);
    std::string cDir = qvz::test::RequiredEnv("QVZ_TTY") + "/..";
    tools::SaveWindowPng(w.oDlg.hWnd, qvz::test::WindowsPath(cDir + "/receiver-window.png"));
    PostMessageA(hLog, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpFor(200);
  };
  TDialog::ActivateArgs a;
  a.lCentered = true;
  a.bInit = [&](TDialog& d) {
    d.SetControl(w.oLog.get());
    return Value();
  };
  a.bValid = [&](TWindow&) {
    lValidAsked = true;
    return true;
  };
  w.oDlg.Activate(a);
  EXPECT_TRUE(lValidAsked);
  EXPECT_EQ(w.oDlg.nResult.AsInteger(), 2);
}

}  // namespace
}  // namespace qvz::ui
