#include "receive/terminal.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace qvz::receive {
namespace {

constexpr int kInput = STDIN_FILENO;
constexpr std::size_t kChunk = 256;

}  // namespace

Terminal::Terminal() {
  lActive = isatty(kInput) && tcgetpgrp(kInput) == getpgrp() && tcgetattr(kInput, &oSaved) == 0;
  if (lActive) KeyMode();
}

Terminal::~Terminal() {
  if (lActive) LineMode();
}

int Terminal::Fd() const { return kInput; }

void Terminal::KeyMode() {
  termios t = oSaved;
  t.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  tcsetattr(kInput, TCSANOW, &t);
}

void Terminal::LineMode() { tcsetattr(kInput, TCSAFLUSH, &oSaved); }

bool Terminal::QuitKey() {
  char a[kChunk];
  const ssize_t n = read(kInput, a, sizeof a);
  if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) {
    lActive = false;  // the terminal is gone: nothing more to watch
    return false;
  }
  for (ssize_t i = 0; i < n; ++i)
    if (a[i] == 'q' || a[i] == 'Q') return true;
  return false;
}

std::optional<std::string> Terminal::Ask(const std::string& cQuestion, int nInterruptFd) {
  LineMode();
  std::fputs(cQuestion.c_str(), stderr);
  std::fflush(stderr);
  std::string cLine;
  std::optional<std::string> oAnswer;
  for (;;) {
    pollfd a[2] = {{nInterruptFd, POLLIN, 0}, {kInput, POLLIN, 0}};
    if (poll(a, 2, -1) < 0) {
      if (errno == EINTR) continue;  // a signal: the pipe says which
      oAnswer = cLine;
      break;
    }
    if (a[0].revents) break;
    char aChunk[kChunk];
    const ssize_t n = read(kInput, aChunk, sizeof aChunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {  // the end of input answers with what was typed
      oAnswer = cLine;
      break;
    }
    cLine.append(aChunk, static_cast<std::size_t>(n));
    if (const auto nBreak = cLine.find('\n'); nBreak != std::string::npos) {
      oAnswer = cLine.substr(0, nBreak);
      break;
    }
  }
  if (!oAnswer) std::fputs("\n", stderr);
  KeyMode();
  return oAnswer;
}

}  // namespace qvz::receive
