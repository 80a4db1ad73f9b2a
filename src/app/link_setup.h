#pragma once
// Opening the serial link for the main dialog.

#include <string>

namespace qvz::ui {
class TDialog;
}

namespace qvz::app {

// The line: 57600 baud, no parity, 8 data bits, 1 stop bit.
constexpr const char* kLineSettings = "57600,N,8,1";

// The link's speed: 57600 baud, 10 bits a byte (start, 8 data, stop).
constexpr int kLineBytesPerSecond = 5760;

// Opens "\\.\" + cPort, sets 57600 baud 8N1 and sends the port's
// notifications to oDlg, whose comm-notify action becomes the drain action.
// The port handle; -1 after one message saying what failed (a port opened
// before the failure is closed again). A port that does not open is told
// with the system's reason and the ports there are.
int APRICOM(ui::TDialog& oDlg, const std::string& cPort);

}  // namespace qvz::app
