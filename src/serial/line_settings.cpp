#include "serial/line_settings.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

#include "serial/comm_port.h"

namespace qvz::serial {
namespace {

// The block BuildCommDCBA starts from. Every field the settings text does not
// set gets a value a real driver accepts: distinct XON and XOFF characters
// (Windows refuses a block where they are equal), binary mode, and DTR and
// RTS held up so the DTR raised at open stays raised. No flow control.
DCB StartingBlock() {
  DCB dcb{};
  dcb.DCBlength = sizeof(DCB);
  dcb.fBinary = TRUE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  dcb.XonLim = 2048;
  dcb.XoffLim = 512;
  dcb.XonChar = 0x11;
  dcb.XoffChar = 0x13;
  return dcb;
}

HANDLE DeviceOf(int nCom) {
  CommPort* oPort = FindPort(nCom);
  return oPort ? oPort->hComm.Get() : nullptr;
}

int ClearErrors(int nCom, COMSTAT* pStat) {
  HANDLE hComm = DeviceOf(nCom);
  DWORD nErrors = 0;
  if (!hComm || !ClearCommError(hComm, &nErrors, pStat)) {
    if (pStat) *pStat = COMSTAT{};
    return 0;
  }
  return static_cast<std::int16_t>(nErrors & 0xFFFF);
}

}  // namespace

bool BUILDCOMMDCB(const std::string& cDef) {
  DCB dcb = StartingBlock();
  return BuildCommDCBA(cDef.c_str(), &dcb) != FALSE;
}

bool BUILDCOMMDCB(const std::string& cDef, std::string& cDcb) {
  DCB dcb = StartingBlock();
  if (!BuildCommDCBA(cDef.c_str(), &dcb)) {
    cDcb.clear();
    return false;
  }
  cDcb.assign(reinterpret_cast<const char*>(&dcb), sizeof dcb);
  return true;
}

// Anything but a whole block (the "" of a failed BUILDCOMMDCB among them) is
// refused without reaching the device.
bool SETCOMMSTATE(int nCom, const std::string& cDcb) {
  HANDLE hComm = DeviceOf(nCom);
  if (!hComm || cDcb.size() != sizeof(DCB)) return false;
  DCB dcb;
  std::memcpy(&dcb, cDcb.data(), sizeof dcb);
  return SetCommState(hComm, &dcb) != FALSE;
}

int FLUSHCOMM(int, int) { return 0; }

int GETCOMMERROR(int nCom) { return ClearErrors(nCom, nullptr); }

int GETCOMMERROR(int nCom, std::string& cStat) {
  COMSTAT stat{};
  int nErrors = ClearErrors(nCom, &stat);
  cStat.assign(reinterpret_cast<const char*>(&stat), sizeof stat);
  return nErrors;
}

bool ESCAPECOMMFUNCTION(int nCom, int nFunc) {
  HANDLE hComm = DeviceOf(nCom);
  return !hComm || !EscapeCommFunction(hComm, static_cast<DWORD>(nFunc));
}

}  // namespace qvz::serial
