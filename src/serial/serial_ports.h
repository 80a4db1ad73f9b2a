#pragma once
// The serial ports the system has now, as a user names them in QVZ.INI.

#include <string>
#include <vector>

namespace qvz::serial {

// The names of the serial ports whose devices are present ("COM3", "COM4"),
// in the order of their numbers; empty when there are none. Any thread.
std::vector<std::string> SerialPortNames();

// Puts port names in the order a user counts them: "COM" names by their
// number (COM2 before COM10), any other name after them, alphabetically.
// Repeated names are kept once.
void SortPortNames(std::vector<std::string>& aNames);

}  // namespace qvz::serial
