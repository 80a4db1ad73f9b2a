#include "app/port_io.h"

#include "app/receive_queue.h"
#include "serial/comm.h"
#include "ui/window.h"

namespace qvz::app {

bool SENDSTR(int nCom, const std::string& cData) {
  return serial::WRITECOMM(nCom, cData) == static_cast<int>(cData.size());
}

std::string RECEIVESTR(int nCom) {
  std::string cBuf(1000, ' ');
  int n = serial::READCOMM(nCom, cBuf);
  if (n <= 0) return {};
  cBuf.resize(static_cast<size_t>(n));
  return cBuf;
}

void CONNECT(int nCom) {
  serial::ENABLECOMMNOTIFICATION(nCom, nullptr, 1, -1);
  AppendToQueue(RECEIVESTR(nCom));
}

runtime::Value DrainAction(ui::TWindow& oWnd, WPARAM nCom, LPARAM) {
  CONNECT(static_cast<int>(nCom));
  return serial::ENABLECOMMNOTIFICATION(static_cast<int>(nCom), oWnd.hWnd, 1, -1);
}

}  // namespace qvz::app
