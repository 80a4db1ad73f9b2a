#pragma once
// The transfer loop: the remote machine sends "T", a two-byte sector number
// (low byte first), waits for 0x00 and sends a track of 4608 bytes; "E" ends
// a disk, which is then saved. ESC while a command is awaited sends one TAB
// byte and ends the loop. Every step is logged.

#include <string>

namespace qvz::ui {
class TMultiGet;
}

namespace qvz::app {

// Runs until the user presses ESC.
void QVZ(int nCom, ui::TMultiGet& oGet);

// Receives one track after its "T": header, log line, acknowledgement, data.
// A track that misses bytes is filled up with zero bytes, so that every later
// track keeps its place in the image, and the log says so.
void TRK(int nCom, ui::TMultiGet& oGet);

// Adds cMsg and a line break to the log.
void MESSAGE(ui::TMultiGet& oGet, const std::string& cMsg);

// True while QVZ runs.
bool TransferLoopRunning();

}  // namespace qvz::app
