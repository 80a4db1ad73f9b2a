#include "runtime/proc_trace.h"

#include <vector>

namespace qvz::runtime {
namespace {

struct Frame {
  const char* cName;
  int nLine;
};

std::vector<Frame>& Frames() {
  static std::vector<Frame> aFrames;
  return aFrames;
}

const Frame* FrameAt(int nLevel) {
  auto& aFrames = Frames();
  if (nLevel < 0 || static_cast<std::size_t>(nLevel) >= aFrames.size()) return nullptr;
  return &aFrames[aFrames.size() - 1 - nLevel];
}

}  // namespace

ProcMark::ProcMark(const char* cName, int nLine) : nDepth(Frames().size()) {
  Frames().push_back({cName, nLine});
}

// Markers end in reverse order of their start, so this one is the last.
ProcMark::~ProcMark() { Frames().resize(nDepth); }

void ProcMark::SetLine(int nLine) { Frames()[nDepth].nLine = nLine; }

std::string PROCNAME(int nLevel) {
  const Frame* f = FrameAt(nLevel);
  return f ? f->cName : "";
}

int PROCLINE(int nLevel) {
  const Frame* f = FrameAt(nLevel);
  return f ? f->nLine : 0;
}

}  // namespace qvz::runtime
