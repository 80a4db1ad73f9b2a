#include "line_pair.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "protocol/track.h"

extern char** environ;

namespace qvz::receive::test {
namespace {

constexpr int kStartLimitMs = 10000;

bool Exists(const std::string& cPath) {
  struct stat st {};
  return stat(cPath.c_str(), &st) == 0;
}

}  // namespace

LinePair::LinePair(const std::string& cFolder) : cAdapter(cFolder + "/adapter"), cRemote(cFolder + "/remote") {
  const std::string aArgs[] = {"socat", "pty,raw,echo=0,link=" + cAdapter, "pty,raw,echo=0,link=" + cRemote};
  char* aArgv[] = {const_cast<char*>(aArgs[0].c_str()), const_cast<char*>(aArgs[1].c_str()),
                   const_cast<char*>(aArgs[2].c_str()), nullptr};
  posix_spawn_file_actions_t oActions;
  posix_spawn_file_actions_init(&oActions);
  posix_spawn_file_actions_addopen(&oActions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&oActions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&oActions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const int nError = posix_spawnp(&nPid, "socat", &oActions, nullptr, aArgv, environ);
  posix_spawn_file_actions_destroy(&oActions);
  if (nError != 0) throw std::runtime_error("socat did not start (package socat)");
  const auto tEnd = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartLimitMs);
  while (!(Exists(cAdapter) && Exists(cRemote))) {
    if (std::chrono::steady_clock::now() > tEnd) throw std::runtime_error("socat made no pty pair");
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

LinePair::~LinePair() {
  if (nPid > 0) {
    kill(nPid, SIGTERM);
    waitpid(nPid, nullptr, 0);
  }
}

void LinePair::Pull() {
  kill(nPid, SIGKILL);
  waitpid(nPid, nullptr, 0);
  nPid = -1;
}

RemoteEnd::RemoteEnd(const std::string& cPath) : nFd(open(cPath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {
  if (nFd < 0) throw std::runtime_error("cannot open " + cPath);
  termios t{};
  tcgetattr(nFd, &t);
  cfmakeraw(&t);
  tcsetattr(nFd, TCSANOW, &t);
}

RemoteEnd::~RemoteEnd() { close(nFd); }

void RemoteEnd::Send(const std::string& cBytes) {
  for (std::size_t nDone = 0; nDone < cBytes.size();) {
    const ssize_t n = write(nFd, cBytes.data() + nDone, cBytes.size() - nDone);
    if (n <= 0) throw std::runtime_error("the remote end cannot write");
    nDone += static_cast<std::size_t>(n);
  }
}

std::optional<unsigned char> RemoteEnd::Receive(int nTimeoutMs) {
  pollfd p{nFd, POLLIN, 0};
  unsigned char b = 0;
  if (poll(&p, 1, nTimeoutMs) <= 0 || read(nFd, &b, 1) != 1) return std::nullopt;
  return b;
}

std::string RemoteEnd::Rest(int nQuietMs) {
  std::string c;
  while (const auto b = Receive(nQuietMs)) c += static_cast<char>(*b);
  return c;
}

bool RemoteEnd::Track(unsigned nSectorNumber, const std::string& cData, int nAckTimeoutMs) {
  Send(Header(nSectorNumber));
  if (Receive(nAckTimeoutMs) != 0) return false;
  Send(cData);
  return true;
}

bool RemoteEnd::Disk(const std::string& cTracks) {
  for (std::size_t t = 0; t * protocol::kTrackBytes < cTracks.size(); ++t)
    if (!Track(static_cast<unsigned>((t + 1) * protocol::kSectorsPerTrack),
               cTracks.substr(t * protocol::kTrackBytes, protocol::kTrackBytes)))
      return false;
  Send("E");
  return true;
}

std::string Header(unsigned nSectorNumber) {
  return std::string{'T', static_cast<char>(nSectorNumber & 0xFF), static_cast<char>(nSectorNumber >> 8)};
}

}  // namespace qvz::receive::test
