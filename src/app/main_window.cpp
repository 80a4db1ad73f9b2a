#include "app/main_window.h"

#include "app/link_setup.h"
#include "app/transfer_loop.h"
#include "runtime/accessor.h"
#include "runtime/proc_trace.h"
#include "serial/comm.h"
#include "support/close_guard.h"
#include "support/key_state.h"
#include "ui/dialog.h"
#include "ui/multi_get.h"
#include "ui/profile.h"

namespace qvz::app {
namespace {

const char* const kSettingsFile = ".\\QVZ.INI";

std::string PortFromSettings() {
  std::string cPort = ui::GETPVPROFSTRING("Impostazioni", "Porta", "", kSettingsFile);
  if (cPort.find_first_not_of(' ') == std::string::npos) {
    cPort = "COM1";
    ui::WRITEPPROSTRING("Impostazioni", "Porta", "COM1", kSettingsFile);
  }
  return cPort;
}

}  // namespace

// A dialog hidden under a running loop would hold the port unseen, hence
// the second condition.
bool MayEnd(ui::TWindow&) {
  if (support::GETASYNCKEYSTATE(support::kKeyF4)) return false;
  return !TransferLoopRunning() || support::GETASYNCKEYSTATE(support::kKeyEscape);
}

void MAIN() {
  runtime::ProcMark mark("MAIN", __LINE__);
  std::string cText;
  const std::string cPort = PortFromSettings();
  int nCom = -1;

  ui::TDialog::NewArgs d;
  d.cCaption = "QVZ 1.00  (" + cPort + ":" + kLineSettings + ")";
  d.nStyle = 0;
  d.nPixelRight = 500;
  d.nPixelBottom = 500;
  ui::TDialog oDlg(d);
  oDlg.lModify = false;
  oDlg.lHelpIcon = false;

  ui::TMultiGet::NewArgs g;
  g.nTop = 0;
  g.nLeft = 0;
  g.bSetGet = runtime::TextAccessor(cText);
  g.lReadOnly = true;
  ui::TMultiGet oGet(g);

  oDlg.bStart = [&](const runtime::Value&) {
    // ESC inside a track ends the loop even when the key is up again by
    // then, and with it the window.
    if (nCom >= 0 && QVZ(nCom, oGet)) oDlg.End();
  };
  ui::TDialog::ActivateArgs a;
  a.lCentered = true;
  a.bValid = [&oDlg](ui::TWindow&) { return support::__VALID(oDlg, false); };
  a.bInit = [&](ui::TDialog& dlg) {
    dlg.SetControl(&oGet);
    nCom = APRICOM(dlg, cPort);
    dlg.bValid = MayEnd;
    if (nCom < 0) {
      // A failed set-up always ends the dialog, F4 or not: it must never
      // open without a port.
      dlg.bValid = nullptr;
      dlg.End();
    }
    return runtime::Value();
  };
  a.lResize16 = true;
  mark.SetLine(__LINE__);
  oDlg.Activate(a);
  if (nCom >= 0) serial::CLOSECOMM(nCom);
}

}  // namespace qvz::app
