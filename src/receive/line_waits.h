#pragma once
// The receiver's wait for what happens next: bytes from the adapter, the
// deadline of the receiver's rules, Ctrl+C or q, or the adapter gone. It
// sleeps in poll() meanwhile, so that waiting for the remote machine keeps
// no processor busy.

#include <cstdint>
#include <optional>
#include <string>

namespace qvz::receive {

class InterruptPipe;
class SerialDevice;
class Terminal;

struct Event {
  enum class Kind {
    kBytes,  // cBytes came, taken at nMs
    kTime,   // the deadline came first; the clock read nMs
    kExit,   // Ctrl+C (or a request to stop), or q on the terminal
    kLost,   // the adapter is gone
  };
  Kind eKind = Kind::kTime;
  std::string cBytes;
  std::int64_t nMs = 0;
};

// Milliseconds on the steady clock that every time of the receiver's rules uses.
std::int64_t SteadyMs();

class LineWaits {
 public:
  LineWaits(SerialDevice& oDevice, Terminal& oTerminal, const InterruptPipe& oInterrupt);

  // The next event. Bytes already waiting come before a deadline that has
  // passed; the exit keys come first of all. With lGather, first a short
  // nap (still watching the keys) lets the bytes of a track gather, so that
  // a track costs a few dozen wake-ups instead of one a byte.
  Event Next(std::optional<std::int64_t> nDeadlineMs, bool lGather);

 private:
  bool ExitAsked(short nInterruptEvents, short nTerminalEvents);

  SerialDevice& oDevice;
  Terminal& oTerminal;
  const InterruptPipe& oInterrupt;
};

}  // namespace qvz::receive
