#include "line_remote/tty_line.h"

#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace qvz::tools {
namespace {

constexpr std::int64_t kNsPerSecond = 1'000'000'000;

timespec ToTimespec(std::int64_t nNs) {
  return timespec{static_cast<time_t>(nNs / kNsPerSecond), static_cast<long>(nNs % kNsPerSecond)};
}

// Waits until the device has a byte or nDeadlineNs has come (none: no
// limit). False at the deadline.
bool WaitReadable(int nFd, std::optional<std::int64_t> nDeadlineNs) {
  for (;;) {
    pollfd oPoll{nFd, POLLIN, 0};
    int nTimeoutMs = -1;
    if (nDeadlineNs) {
      const std::int64_t nLeft = *nDeadlineNs - NowNs();
      if (nLeft <= 0) return false;
      nTimeoutMs = static_cast<int>((nLeft + 999'999) / 1'000'000);  // never short of the deadline
    }
    const int n = poll(&oPoll, 1, nTimeoutMs);
    if (n > 0) return true;  // a byte, or a hang-up that the read then reports
    if (n < 0 && errno != EINTR) return false;
  }
}

}  // namespace

std::int64_t NowNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<std::int64_t>(t.tv_sec) * kNsPerSecond + t.tv_nsec;
}

void SleepUntilNs(std::int64_t nWhenNs) {
  const timespec t = ToTimespec(nWhenNs);
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {
  }
}

void PreciseTimers() {
#ifdef __linux__
  prctl(PR_SET_TIMERSLACK, 1UL);
#endif
}

TtyLine::TtyLine(const std::string& cPath) : TtyLine(open(cPath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {}

TtyLine::TtyLine(int nOpenFd) : nFd(nOpenFd) {
  if (nFd < 0) return;
  termios oTerm{};
  if (tcgetattr(nFd, &oTerm) == 0) {
    cfmakeraw(&oTerm);
    cfsetispeed(&oTerm, B57600);
    cfsetospeed(&oTerm, B57600);
    oTerm.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CSIZE);
    oTerm.c_cflag |= CS8 | CLOCAL | CREAD;
    // Reads come after a poll that found a byte: they never wait.
    oTerm.c_cc[VMIN] = 0;
    oTerm.c_cc[VTIME] = 0;
    tcsetattr(nFd, TCSANOW, &oTerm);
  }
}

TtyLine::~TtyLine() {
  if (nFd >= 0) close(nFd);
}

bool TtyLine::Write(const char* pBytes, std::size_t nCount) {
  while (nCount > 0) {
    const ssize_t n = write(nFd, pBytes, nCount);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    pBytes += n;
    nCount -= static_cast<std::size_t>(n);
  }
  return true;
}

std::optional<unsigned char> TtyLine::ReadByte(std::int64_t nDeadlineNs) {
  for (;;) {
    if (!WaitReadable(nFd, nDeadlineNs)) return std::nullopt;
    unsigned char nByte = 0;
    const ssize_t n = read(nFd, &nByte, 1);
    if (n == 1) return nByte;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) continue;
    return std::nullopt;  // closed at the far end, or failed
  }
}

std::string TtyLine::ReadSome(std::size_t nLimit) {
  std::string cBytes(nLimit, '\0');
  for (;;) {
    if (!WaitReadable(nFd, std::nullopt)) return {};
    const ssize_t n = read(nFd, cBytes.data(), nLimit);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) return {};
    cBytes.resize(static_cast<std::size_t>(n));
    return cBytes;
  }
}

}  // namespace qvz::tools
