#pragma once
// The USB serial driver's latency timer: FTDI-type adapters hold received
// bytes for up to 16 ms by default, which delays every track's
// acknowledgement by that much. Where the device has one
// ($QVZ_SYSFS/bus/usb-serial/devices/NAME/latency_timer, $QVZ_SYSFS default
// /sys, NAME the device's kernel name), it is set to 1 ms when it can be.

#include <string>
#include <vector>

namespace qvz::receive {

std::string SysfsFolder();

// Sets the timer and answers the lines that say what happened; none for a
// device without a timer (a built-in UART).
std::vector<std::string> SetLatencyTimer(const std::string& cDevice, const std::string& cSysfs);

}  // namespace qvz::receive
