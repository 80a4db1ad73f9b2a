#include "receive/console.h"

#include <unistd.h>

#include <cstdio>
#include <ctime>

namespace qvz::receive {
namespace {

// Back to the line's start, and the rest of the line cleared.
constexpr const char* kClearLine = "\r\x1b[K";

std::string TimeStamp() {
  const std::time_t t = std::time(nullptr);
  std::tm oLocal{};
  localtime_r(&t, &oLocal);
  char a[32];
  std::strftime(a, sizeof a, "%Y-%m-%d %H:%M:%S", &oLocal);
  return a;
}

}  // namespace

Console::Console(const std::string& cLogPath)
    : oLog(cLogPath, std::ios::app | std::ios::binary), lTerminal(isatty(STDOUT_FILENO)) {}

void Console::Write(const std::string& c) {
  std::fwrite(c.data(), 1, c.size(), stdout);
  std::fflush(stdout);
}

void Console::Line(const std::string& cLine) {
  const std::string cStamped = TimeStamp() + " " + cLine + "\n";
  oLog << cStamped << std::flush;
  if (lTerminal && !cProgress.empty())
    Write(kClearLine + cStamped + cProgress);
  else
    Write(cStamped);
}

void Console::Progress(const std::string& cText) {
  if (!lTerminal || cText == cProgress) return;
  cProgress = cText;
  Write(kClearLine + cProgress);
}

void Console::HideProgress() {
  if (cProgress.empty()) return;
  cProgress.clear();
  Write(kClearLine);
}

}  // namespace qvz::receive
