#pragma once
// qvz-receive run as a user runs it: a process of its own, with its output
// in files (or on a terminal the test holds), stopped by its process id if a
// test leaves it running.

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "test_files.h"

namespace qvz::receive::test {

// Polls the condition every few milliseconds for at most nLimitMs.
bool WaitUntil(const std::function<bool()>& fDone, int nLimitMs = 20000);

// The program the tests run.
std::string ReceiverExe();

class ReceiverRun {
 public:
  enum class Input {
    kNone,      // standard input /dev/null, output into files
    kTerminal,  // a terminal of its own, the test at its other end
  };

  // Starts the program with the arguments; aEnv: "NAME=VALUE" words added to
  // the environment; aCommand: the program, and words before it (another
  // program that starts it). cOutputFolder keeps its output files.
  ReceiverRun(const std::vector<std::string>& aArgs, const std::string& cOutputFolder, Input eInput = Input::kNone,
              const std::vector<std::string>& aEnv = {},
              const std::vector<std::string>& aCommand = {ReceiverExe()});
  ~ReceiverRun();
  ReceiverRun(const ReceiverRun&) = delete;
  ReceiverRun& operator=(const ReceiverRun&) = delete;

  // What it wrote so far: standard output and standard error (with
  // kTerminal, everything the terminal showed, and no errors apart).
  std::string Output();
  std::string Errors() const;

  // Waits until the output holds cText.
  bool WaitForOutput(const std::string& cText, int nLimitMs = 20000);

  // Types on its terminal.
  void Type(const std::string& cKeys);

  void Signal(int nSignal);

  // Its exit status, or nothing when it still runs after nLimitMs.
  std::optional<int> Wait(int nLimitMs = 20000);

 private:
  pid_t nPid = -1;
  std::optional<int> nStatus;
  std::string cOutFile;
  std::string cErrFile;
  int nTerminal = -1;     // the terminal's other end, with kTerminal
  std::string cTerminal;  // what the terminal showed
};

}  // namespace qvz::receive::test
