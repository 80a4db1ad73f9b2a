#pragma once
// The transfer loop's wait for the next received byte, both while a command
// is awaited and inside a track. Each pass looks at ESC first, then takes a
// byte from the receive queue, then reads the clock; between passes it pumps
// messages, and a pass that found nothing sleeps until the next message or
// key, never past the deadline, so that waiting for the remote machine does
// not keep a processor busy. ESC ends the sleep at once: pressed in the
// program's window always, elsewhere while a KeyWake lives (without one the
// sleeps last at most 45 ms). Every wait ends with one more pump step.

#include <cstdint>
#include <optional>
#include <string>

namespace qvz::app {

struct Waited {
  std::string cByte;      // "" when none came
  bool lEsc = false;      // ESC ended the wait
  std::int64_t nMs = 0;   // the clock of the last pass (runtime::MilliSeconds()); 0 when ESC ended it
};

// The next byte; ends early when ESC is down or, when a deadline is given,
// once the clock has reached it. A byte already queued is taken even when
// the deadline has passed.
Waited WAITCHAR(std::optional<std::int64_t> nDeadlineMs);

}  // namespace qvz::app
