#pragma once
// The program's entry: the main dialog with its log, the link, the loop.

namespace qvz::app {

// Reads the port from .\QVZ.INI, runs the main dialog until it ends, and
// closes the port.
void MAIN();

}  // namespace qvz::app
