#pragma once
// Receives disks until the user ends it or the adapter goes away. What each
// byte and silence means is decided by the receiver's rules, as in the
// window program; this loop takes the bytes with their times, reads the
// clock at the rules' deadlines, watches Ctrl+C and q, and carries out what
// the rules answer: log lines, bytes to send, a disk to save.

#include <string>

namespace qvz::receive {

class Console;
class DiskNamer;
class LineWaits;
class SerialDevice;

// The exit status: kEndedByUser or kAdapterLost.
int ReceiveDisks(const std::string& cDevice, SerialDevice& oDevice, LineWaits& oWaits, Console& oConsole,
                 DiskNamer& oNamer);

}  // namespace qvz::receive
