#pragma once
// Line settings (baud rate, parity, data and stop bits) and line control of
// an open port. GUI thread only; a handle that is not open is refused.

#include <string>

namespace qvz::serial {

// Builds the device-control block that a settings text such as "57600,N,8,1"
// describes. True and the block in cDcb; false and "" in cDcb.
bool BUILDCOMMDCB(const std::string& cDef);
bool BUILDCOMMDCB(const std::string& cDef, std::string& cDcb);

// Applies a block from BUILDCOMMDCB to the port; true when the device took it.
bool SETCOMMSTATE(int nCom, const std::string& cDcb);

// Neither queue is touched; always 0.
int FLUSHCOMM(int nCom = 0, int nQueue = 0);

// Reads and clears the line-error flags: their low 16 bits as a signed
// number, 0 when the query failed. The second form also gives the 12-byte
// status record (all zero when the query failed).
int GETCOMMERROR(int nCom);
int GETCOMMERROR(int nCom, std::string& cStat);

// Carries out an extended function (SETDTR is 5): false when it was carried
// out, true when it failed.
bool ESCAPECOMMFUNCTION(int nCom, int nFunc);

}  // namespace qvz::serial
