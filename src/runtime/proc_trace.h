#pragma once
// Names and lines of the procedures that are running, innermost last, so
// that an error report and a hot-key action can say where they were called.
// GUI thread only.

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
};

// The name and line of the procedure nLevel steps out from the innermost
// (0); "" and 0 beyond the outermost.
std::string PROCNAME(int nLevel = 0);
int PROCLINE(int nLevel = 0);

}  // namespace qvz::runtime
