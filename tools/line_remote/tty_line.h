#pragma once
// One end of a serial line as a host program sees it: a terminal device (a
// pty, or a real port) opened raw at 57600 baud, 8 data bits, no parity,
// 1 stop bit. Writes block until the device took every byte; reads wait
// for one byte with a deadline.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace qvz::tools {

// The steady clock, in nanoseconds.
std::int64_t NowNs();

// Sleeps until the steady clock reads nWhenNs.
void SleepUntilNs(std::int64_t nWhenNs);

// Asks that this process's sleeps end on time (Linux otherwise lets a timer
// slip by up to 50 us, a third of a byte time at 57600 baud).
void PreciseTimers();

class TtyLine {
 public:
  explicit TtyLine(const std::string& cPath);
  // Takes over a terminal device that is already open (a pty's master end).
  explicit TtyLine(int nOpenFd);
  ~TtyLine();
  TtyLine(const TtyLine&) = delete;
  TtyLine& operator=(const TtyLine&) = delete;

  bool IsOpen() const { return nFd >= 0; }

  // Writes every byte; false when the device failed.
  bool Write(const char* pBytes, std::size_t nCount);

  // The next byte, or none once the steady clock has reached nDeadlineNs
  // (none also when the device failed or was closed at the far end).
  std::optional<unsigned char> ReadByte(std::int64_t nDeadlineNs);

  // What waits now, at most nLimit bytes; blocks until at least one byte
  // came. Empty when the device failed or was closed at the far end.
  std::string ReadSome(std::size_t nLimit);

 private:
  int nFd = -1;
};

}  // namespace qvz::tools
