#include "receive/interrupt_pipe.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace qvz::receive {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM};

// Written by the signal handler, read by the one thread; a process has one
// pipe, made before the handler is installed.
int aPipe[2] = {-1, -1};
volatile sig_atomic_t lInterrupted = 0;
struct sigaction aPrevious[2];

extern "C" void OnSignal(int) {
  const int nSaved = errno;
  lInterrupted = 1;
  const char c = 1;
  [[maybe_unused]] const ssize_t n = write(aPipe[1], &c, 1);  // a full pipe already says enough
  errno = nSaved;
}

void SetFlags(int nFd) {
  fcntl(nFd, F_SETFL, fcntl(nFd, F_GETFL) | O_NONBLOCK);
  fcntl(nFd, F_SETFD, FD_CLOEXEC);
}

}  // namespace

InterruptPipe::InterruptPipe() {
  if (pipe(aPipe) != 0) throw std::runtime_error("no pipe for the interrupt keys");
  SetFlags(aPipe[0]);
  SetFlags(aPipe[1]);
  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  for (int i = 0; i < 2; ++i) sigaction(kSignals[i], &sa, &aPrevious[i]);
}

InterruptPipe::~InterruptPipe() {
  for (int i = 0; i < 2; ++i) sigaction(kSignals[i], &aPrevious[i], nullptr);
  close(aPipe[0]);
  close(aPipe[1]);
  aPipe[0] = aPipe[1] = -1;
}

int InterruptPipe::Fd() const { return aPipe[0]; }

bool InterruptPipe::Interrupted() const { return lInterrupted != 0; }

}  // namespace qvz::receive
