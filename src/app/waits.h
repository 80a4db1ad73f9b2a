#pragma once
// The transfer loop's waits for the next received byte. Each pass looks at
// ESC first, then takes a byte from the receive queue, then (WAITCHAR only)
// reads the clock; between passes it pumps messages, and a pass that found
// nothing sleeps until the next message, at most 20 ms, so that waiting for
// the remote machine does not keep a processor busy. Every wait ends with
// one more pump step.

#include <string>

namespace qvz::app {

// The next byte, however long it takes; "" when ESC ended the wait.
std::string WAITCOMMAND();

// The next byte; "" when ESC ended the wait or 2 seconds passed since the call.
std::string WAITCHAR();

}  // namespace qvz::app
