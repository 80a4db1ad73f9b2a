#pragma once
// The program's entry: the main dialog with its log, the link, the loop.

namespace qvz::ui {
class TWindow;
}

namespace qvz::app {

// Reads the port from .\QVZ.INI, runs the main dialog until it ends, and
// closes the port.
void MAIN();

// The main dialog's close guard once it runs: no end while F4 is down
// (Alt+F4), and none while the transfer loop runs unless ESC, which ends
// the loop, is down too.
bool MayEnd(ui::TWindow& oDlg);

}  // namespace qvz::app
