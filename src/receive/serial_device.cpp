#include "receive/serial_device.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qvz::receive {
namespace {

// How long a write waits for room in the driver's buffer.
constexpr int kWriteRoomMs = 1000;

bool MakeRaw(int nFd) {
  termios t{};
  if (tcgetattr(nFd, &t) != 0) return false;
  t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF |
                                      IXANY | INPCK);
  t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
  t.c_cflag |= CS8 | CREAD | CLOCAL;
#ifdef CRTSCTS
  t.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
#endif
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  return cfsetispeed(&t, B57600) == 0 && cfsetospeed(&t, B57600) == 0 && tcsetattr(nFd, TCSANOW, &t) == 0;
}

}  // namespace

SerialDevice::~SerialDevice() {
  if (nFd >= 0) close(nFd);
}

SerialDevice::Opened SerialDevice::Open(const std::string& cPath) {
  nFd = open(cPath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (nFd < 0) {
    const int nError = errno;
    cError = std::strerror(nError);
    if (nError == ENOENT) return Opened::kMissing;
    if (nError == EACCES || nError == EPERM) return Opened::kNoRights;
    return Opened::kFailed;
  }
  if (!isatty(nFd)) return Opened::kNotSerial;
  if (!MakeRaw(nFd)) {
    cError = std::strerror(errno);
    return Opened::kFailed;
  }
  return Opened::kOk;
}

long SerialDevice::Read(char* pBuffer, std::size_t nSize) {
  for (;;) {
    const ssize_t n = read(nFd, pBuffer, nSize);
    if (n > 0) return static_cast<long>(n);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return 0;
    return -1;  // end of file or an error: the line is gone
  }
}

bool SerialDevice::Write(const std::string& cData) {
  std::size_t nDone = 0;
  while (nDone < cData.size()) {
    const ssize_t n = write(nFd, cData.data() + nDone, cData.size() - nDone);
    if (n > 0) {
      nDone += static_cast<std::size_t>(n);
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      pollfd p{nFd, POLLOUT, 0};
      if (poll(&p, 1, kWriteRoomMs) <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL))) return false;
    } else if (!(n < 0 && errno == EINTR)) {
      return false;
    }
  }
  return true;
}

void SerialDevice::Drain() { tcdrain(nFd); }

}  // namespace qvz::receive
