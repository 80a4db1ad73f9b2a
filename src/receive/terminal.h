#pragma once
// The user's terminal on standard input, when there is one in the
// foreground: single keys while disks arrive (no echo, no Enter needed;
// Ctrl+C still raises SIGINT), whole lines for the name question. The
// user's own settings come back when it ends.

#include <optional>
#include <string>

#include <termios.h>

namespace qvz::receive {

class Terminal {
 public:
  Terminal();
  ~Terminal();
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  // False when standard input is no terminal, or not ours (a background job),
  // or it went away.
  bool Active() const { return lActive; }
  int Fd() const;

  // After poll() found input in key mode: true when "q" was among the keys.
  bool QuitKey();

  // Asks cQuestion on the terminal and reads one line in the user's own
  // mode, keys typed before the question dropped. The line without its
  // break; nullopt when a signal came first (nInterruptFd became readable).
  std::optional<std::string> Ask(const std::string& cQuestion, int nInterruptFd);

 private:
  void KeyMode();
  void LineMode();

  bool lActive = false;
  termios oSaved{};
};

}  // namespace qvz::receive
