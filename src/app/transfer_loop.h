#pragma once
// The transfer loop: the remote machine sends "T", a two-byte sector number
// (low byte first), waits for 0x00 and sends a track of 4608 bytes; "E" ends
// a disk, which is then saved. ESC while a command is awaited sends one TAB
// byte; ESC inside a track ends the track and the loop. What each byte and
// silence means is decided by the receiver's rules; these functions take the
// bytes, watch ESC and the clock, and carry out what the rules answer.

#include <string>

namespace qvz::protocol {
class Receiver;
}

namespace qvz::ui {
class TMultiGet;
}

namespace qvz::app {

// Runs until the user presses ESC. True when ESC ended it inside a track:
// the key may be up again by then, so the caller ends the window itself.
bool QVZ(int nCom, ui::TMultiGet& oGet);

// Receives one track once its "T" (or a header found in a silence) has
// started it, until it is complete. False when ESC ended it.
bool TRK(int nCom, ui::TMultiGet& oGet, protocol::Receiver& oRules);

// Adds cMsg and a line break to the log.
void MESSAGE(ui::TMultiGet& oGet, const std::string& cMsg);

// True while QVZ runs.
bool TransferLoopRunning();

}  // namespace qvz::app
