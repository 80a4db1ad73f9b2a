#include "app/port_io.h"

#include "app/receive_queue.h"
#include "serial/comm.h"
#include "ui/window.h"

namespace qvz::app {
namespace {

// The most a drain takes out of the port's ring at once.
constexpr std::size_t kDrainBytes = 1000;

}  // namespace

bool SENDSTR(int nCom, const std::string& cData) {
  return serial::WRITECOMM(nCom, cData) == static_cast<int>(cData.size());
}

std::string RECEIVESTR(int nCom) {
  std::string cBuf(kDrainBytes, ' ');
  int n = serial::READCOMM(nCom, cBuf);
  if (n <= 0) return {};
  cBuf.resize(static_cast<size_t>(n));
  return cBuf;
}

void CONNECT(int nCom) {
  serial::ENABLECOMMNOTIFICATION(nCom, nullptr, kNotifyAfterBytes, kNoSendNotification);
  AppendToQueue(RECEIVESTR(nCom));
}

runtime::Value DrainAction(ui::TWindow& oWnd, WPARAM nCom, LPARAM) {
  CONNECT(static_cast<int>(nCom));
  return serial::ENABLECOMMNOTIFICATION(static_cast<int>(nCom), oWnd.hWnd, kNotifyAfterBytes, kNoSendNotification);
}

}  // namespace qvz::app
