#pragma once
// The receiver's port calls: sending, taking what the reader gathered, and
// the drain action that moves it into the receive queue.

#include <windows.h>

#include <string>

#include "runtime/value.h"

namespace qvz::ui {
class TWindow;
}

namespace qvz::app {

// What the receiver asks of its port's notification: a receive threshold of
// one byte, and none for sending.
constexpr long long kNotifyAfterBytes = 1;
constexpr long long kNoSendNotification = -1;

// Writes cData; true when the port reports every byte written.
bool SENDSTR(int nCom, const std::string& cData);

// Up to 1000 bytes that the port received and has not handed out yet.
std::string RECEIVESTR(int nCom);

// Notification off, then up to 1000 received bytes onto the receive queue.
void CONNECT(int nCom);

// The comm-notify action of oWnd: CONNECT the notifying port, then
// notification to oWnd's window on again. Its result is the last step's.
runtime::Value DrainAction(ui::TWindow& oWnd, WPARAM nCom, LPARAM nStatus);

}  // namespace qvz::app
