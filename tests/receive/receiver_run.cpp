#include "receiver_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace qvz::receive::test {
namespace {

constexpr int kPollMs = 5;

void MustOpenOnto(const std::string& cPath, int nFlags, int nTarget) {
  const int nFd = open(cPath.c_str(), nFlags, 0644);
  if (nFd < 0 || dup2(nFd, nTarget) < 0) _exit(127);
  if (nFd != nTarget) close(nFd);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& fDone, int nLimitMs) {
  const auto tEnd = std::chrono::steady_clock::now() + std::chrono::milliseconds(nLimitMs);
  while (!fDone()) {
    if (std::chrono::steady_clock::now() > tEnd) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
  }
  return true;
}

std::string ReceiverExe() { return QVZ_RECEIVE_EXE; }

ReceiverRun::ReceiverRun(const std::vector<std::string>& aArgs, const std::string& cOutputFolder, Input eInput,
                         const std::vector<std::string>& aEnv, const std::vector<std::string>& aCommand)
    : cOutFile(cOutputFolder + "/receiver.out"), cErrFile(cOutputFolder + "/receiver.err") {
  std::string cTerminalPath;
  if (eInput == Input::kTerminal) {
    nTerminal = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (nTerminal < 0 || grantpt(nTerminal) != 0 || unlockpt(nTerminal) != 0)
      throw std::runtime_error("no terminal for the receiver");
    cTerminalPath = ptsname(nTerminal);
  }
  std::vector<std::string> aAll = aCommand;
  aAll.insert(aAll.end(), aArgs.begin(), aArgs.end());
  std::vector<char*> aArgv;
  for (std::string& c : aAll) aArgv.push_back(c.data());
  aArgv.push_back(nullptr);
  nPid = fork();
  if (nPid < 0) throw std::runtime_error("fork failed");
  if (nPid == 0) {
    for (const std::string& c : aEnv) putenv(const_cast<char*>(c.c_str()));
    if (eInput == Input::kTerminal) {
      // A session of its own whose controlling terminal this is: keys such
      // as Ctrl+C reach it as they reach a program started in a shell.
      setsid();
      MustOpenOnto(cTerminalPath, O_RDWR, STDIN_FILENO);
      dup2(STDIN_FILENO, STDOUT_FILENO);
      dup2(STDIN_FILENO, STDERR_FILENO);
    } else {
      MustOpenOnto("/dev/null", O_RDONLY, STDIN_FILENO);
      MustOpenOnto(cOutFile, O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
      MustOpenOnto(cErrFile, O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
    }
    execvp(aArgv[0], aArgv.data());
    _exit(127);
  }
}

ReceiverRun::~ReceiverRun() {
  if (!nStatus) {
    kill(nPid, SIGKILL);
    waitpid(nPid, nullptr, 0);
  }
  if (nTerminal >= 0) close(nTerminal);
}

std::string ReceiverRun::Output() {
  if (nTerminal < 0) return ReadFile(cOutFile);
  char a[4096];
  pollfd p{nTerminal, POLLIN, 0};
  while (poll(&p, 1, 0) > 0) {
    const ssize_t n = read(nTerminal, a, sizeof a);
    if (n <= 0) break;
    cTerminal.append(a, static_cast<std::size_t>(n));
  }
  return cTerminal;
}

std::string ReceiverRun::Errors() const { return ReadFile(cErrFile); }

bool ReceiverRun::WaitForOutput(const std::string& cText, int nLimitMs) {
  return WaitUntil([&] { return Output().find(cText) != std::string::npos; }, nLimitMs);
}

void ReceiverRun::Type(const std::string& cKeys) {
  if (write(nTerminal, cKeys.data(), cKeys.size()) != static_cast<ssize_t>(cKeys.size()))
    throw std::runtime_error("cannot type on the receiver's terminal");
}

void ReceiverRun::Signal(int nSignal) { kill(nPid, nSignal); }

std::optional<int> ReceiverRun::Wait(int nLimitMs) {
  if (nStatus) return nStatus;
  WaitUntil(
      [&] {
        int nRaw = 0;
        if (waitpid(nPid, &nRaw, WNOHANG) != nPid) return false;
        nStatus = WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : 128 + WTERMSIG(nRaw);
        return true;
      },
      nLimitMs);
  if (nTerminal >= 0) Output();  // what it showed last
  return nStatus;
}

}  // namespace qvz::receive::test
