#include "receive/line_waits.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <system_error>

#include "receive/interrupt_pipe.h"
#include "receive/serial_device.h"
#include "receive/terminal.h"

namespace qvz::receive {
namespace {

// A nap lasts about 58 bytes at the line's 5760 bytes a second: short
// enough for the progress line and the keys, long enough to gather bytes.
constexpr int kNapMs = 10;
constexpr std::size_t kReadChunk = 4096;
constexpr short kGone = POLLHUP | POLLERR | POLLNVAL;

// Milliseconds from now to the deadline, rounded up so that a wake-up is
// never early; -1 (for ever) without one.
int TimeoutMs(std::optional<std::int64_t> nDeadlineMs, std::int64_t nNowMs) {
  if (!nDeadlineMs) return -1;
  return static_cast<int>(std::clamp<std::int64_t>(*nDeadlineMs - nNowMs, 0, 1 << 30));
}

}  // namespace

std::int64_t SteadyMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

LineWaits::LineWaits(SerialDevice& oDevice, Terminal& oTerminal, const InterruptPipe& oInterrupt)
    : oDevice(oDevice), oTerminal(oTerminal), oInterrupt(oInterrupt) {}

bool LineWaits::ExitAsked(short nInterruptEvents, short nTerminalEvents) {
  if (nInterruptEvents || oInterrupt.Interrupted()) return true;
  return nTerminalEvents && oTerminal.QuitKey();
}

Event LineWaits::Next(std::optional<std::int64_t> nDeadlineMs, bool lGather) {
  if (lGather) {
    pollfd a[2] = {{oInterrupt.Fd(), POLLIN, 0}, {oTerminal.Active() ? oTerminal.Fd() : -1, POLLIN, 0}};
    const int nNap = nDeadlineMs ? std::min(kNapMs, TimeoutMs(nDeadlineMs, SteadyMs())) : kNapMs;
    if (poll(a, 2, nNap) > 0 && ExitAsked(a[0].revents, a[1].revents)) return {Event::Kind::kExit, {}, 0};
  }
  for (;;) {
    pollfd a[3] = {{oInterrupt.Fd(), POLLIN, 0},
                   {oTerminal.Active() ? oTerminal.Fd() : -1, POLLIN, 0},
                   {oDevice.Fd(), POLLIN, 0}};
    const int nReady = poll(a, 3, TimeoutMs(nDeadlineMs, SteadyMs()));
    if (nReady < 0) {
      if (errno == EINTR) continue;  // a signal: the pipe tells whether it was ours
      throw std::system_error(errno, std::generic_category(), "poll");
    }
    if (ExitAsked(a[0].revents, a[1].revents)) return {Event::Kind::kExit, {}, 0};
    const std::int64_t nNow = SteadyMs();
    if (a[2].revents) {
      char aBytes[kReadChunk];
      const long n = oDevice.Read(aBytes, sizeof aBytes);
      if (n > 0) return {Event::Kind::kBytes, std::string(aBytes, static_cast<std::size_t>(n)), nNow};
      if (n < 0 || (a[2].revents & kGone)) return {Event::Kind::kLost, {}, 0};
    }
    if (nDeadlineMs && nNow >= *nDeadlineMs) return {Event::Kind::kTime, {}, nNow};
  }
}

}  // namespace qvz::receive
