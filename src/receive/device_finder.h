#pragma once
// Finding the USB serial adapter when the user names none: the one adapter
// listed in the by-id folder ($QVZ_BY_ID, default /dev/serial/by-id). Its
// by-id name stays the same when it is plugged in again, where ttyUSB0 may
// come back as ttyUSB1.

#include <string>

namespace qvz::receive {

struct FoundDevice {
  std::string cPath;     // the by-id path of the one adapter; "" when none or several
  std::string cMessage;  // without one adapter: what was found, and to pass --device
};

std::string ByIdFolder();
FoundDevice FindDevice(const std::string& cByIdFolder);

}  // namespace qvz::receive
