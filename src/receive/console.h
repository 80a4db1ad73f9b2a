#pragma once
// What the receiver says: each log line with a time stamp on standard output
// and appended to the folder's QVZ.LOG; on a terminal also one progress line
// under them, which each new log line pushes down.

#include <fstream>
#include <string>

namespace qvz::receive {

class Console {
 public:
  // cLogPath: the log file, opened for appending.
  explicit Console(const std::string& cLogPath);
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  bool LogOpen() const { return oLog.is_open(); }

  void Line(const std::string& cLine);

  // Replaces the progress line; nothing without a terminal.
  void Progress(const std::string& cText);
  void HideProgress();

 private:
  void Write(const std::string& c);

  std::ofstream oLog;
  bool lTerminal = false;
  std::string cProgress;  // "" while none is shown
};

}  // namespace qvz::receive
