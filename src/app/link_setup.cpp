#include "app/link_setup.h"

#include "app/open_error.h"
#include "app/port_io.h"
#include "runtime/proc_trace.h"
#include "serial/comm.h"
#include "serial/line_settings.h"
#include "serial/serial_ports.h"
#include "support/popmsg.h"
#include "ui/dialog.h"

namespace qvz::app {
namespace {

// The device name's prefix that reaches ports numbered above 9 too.
constexpr const char* kDevicePrefix = "\\\\.\\";
// The driver's queues, for receiving and for sending.
constexpr long long kDriverQueueBytes = 16384;

int Fail(int nCom, const std::string& cMessage) {
  if (nCom >= 0) serial::CLOSECOMM(nCom);
  support::POPMSG(cMessage, 1);
  return -1;
}

}  // namespace

int APRICOM(ui::TDialog& oDlg, const std::string& cPort) {
  runtime::ProcMark mark("APRICOM", __LINE__);
  const std::string cWhich = " (" + cPort + ").";
  const int nCom = serial::OPENCOMM(kDevicePrefix + cPort, kDriverQueueBytes, kDriverQueueBytes);
  if (nCom < 0) return Fail(nCom, OpenErrorMessage(cPort, serial::OpenCommError(), serial::SerialPortNames()));
  std::string cDcb;
  mark.SetLine(__LINE__);
  if (!serial::BUILDCOMMDCB(kLineSettings, cDcb))
    return Fail(nCom, "Errore di impostazione dei parametri di comunicazione" + cWhich);
  if (!serial::SETCOMMSTATE(nCom, cDcb))
    return Fail(nCom, "Errore di impostazione della porta di comunicazione" + cWhich);
  oDlg.bCommNotify = [&oDlg](WPARAM w, LPARAM l) { return DrainAction(oDlg, w, l); };
  mark.SetLine(__LINE__);
  if (!serial::ENABLECOMMNOTIFICATION(nCom, oDlg.hWnd, kNotifyAfterBytes, kNoSendNotification))
    return Fail(nCom, "Errore di abilitazione della notifica" + cWhich);
  return nCom;
}

}  // namespace qvz::app
