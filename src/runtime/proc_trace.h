#pragma once
// Names and lines of the procedures that are running, innermost last, so
// that an error report and a hot-key action can say where they were called.
// Only the receiver's own procedures mark themselves. GUI thread only; a
// marker costs a push and a pop, cheap enough for per-byte waits.

#include <cstddef>
#include <string>

namespace qvz::runtime {

// Marks a procedure as running for the lifetime of the marker; SetLine keeps
// the line it has reached.
class ProcMark {
 public:
  ProcMark(const char* cName, int nLine);
  ~ProcMark();
  ProcMark(const ProcMark&) = delete;
  ProcMark& operator=(const ProcMark&) = delete;
  void SetLine(int nLine);

 private:
  std::size_t nDepth;
  int nUncaught;  // exceptions in flight when the procedure started
};

// The name and line of the procedure nLevel steps out from the innermost
// (0); "" and 0 beyond the outermost.
std::string PROCNAME(int nLevel = 0);
int PROCLINE(int nLevel = 0);

// Where the error in hand arose: the innermost procedure an exception is
// unwinding (or has unwound) out of, until the program goes on normally or
// the error has been handed over; otherwise the innermost running procedure.
// "" and 0 when no procedure is marked.
struct ProcPlace {
  std::string cName;
  int nLine = 0;
};
ProcPlace ErrorPlace();

// Forgets the place an exception unwound out of: the error it belonged to
// has been dealt with.
void ForgetUnwoundPlace();

}  // namespace qvz::runtime
