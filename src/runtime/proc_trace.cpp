#include "runtime/proc_trace.h"

#include <exception>
#include <vector>

namespace qvz::runtime {
namespace {

struct Frame {
  const char* cName;
  int nLine;
};

struct Trace {
  std::vector<Frame> aFrames;
  // The innermost frame an exception left, while that exception is the one in hand.
  bool lUnwound = false;
  Frame oUnwound{"", 0};
};

Trace& TheTrace() {
  static Trace oTrace;
  return oTrace;
}

const Frame* FrameAt(int nLevel) {
  auto& aFrames = TheTrace().aFrames;
  if (nLevel < 0 || static_cast<std::size_t>(nLevel) >= aFrames.size()) return nullptr;
  return &aFrames[aFrames.size() - 1 - nLevel];
}

}  // namespace

ProcMark::ProcMark(const char* cName, int nLine)
    : nDepth(TheTrace().aFrames.size()), nUncaught(std::uncaught_exceptions()) {
  Trace& t = TheTrace();
  t.aFrames.push_back({cName, nLine});
  t.lUnwound = false;
}

// Markers end in reverse order of their start, so this one is the last. The
// first marker an exception unwinds is the innermost: it keeps its place
// for the error report that the boundary's handler makes.
ProcMark::~ProcMark() {
  Trace& t = TheTrace();
  const bool lUnwinding = std::uncaught_exceptions() > nUncaught;
  if (!lUnwinding)
    t.lUnwound = false;
  else if (!t.lUnwound) {
    t.lUnwound = true;
    t.oUnwound = t.aFrames[nDepth];
  }
  t.aFrames.resize(nDepth);
}

void ProcMark::SetLine(int nLine) {
  Trace& t = TheTrace();
  t.aFrames[nDepth].nLine = nLine;
  t.lUnwound = false;
}

std::string PROCNAME(int nLevel) {
  const Frame* f = FrameAt(nLevel);
  return f ? f->cName : "";
}

int PROCLINE(int nLevel) {
  const Frame* f = FrameAt(nLevel);
  return f ? f->nLine : 0;
}

ProcPlace ErrorPlace() {
  const Trace& t = TheTrace();
  if (t.lUnwound) return {t.oUnwound.cName, t.oUnwound.nLine};
  return {PROCNAME(), PROCLINE()};
}

void ForgetUnwoundPlace() { TheTrace().lUnwound = false; }

}  // namespace qvz::runtime
