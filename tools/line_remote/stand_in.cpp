#include "line_remote/stand_in.h"

#include "line_remote/track_framer.h"

namespace qvz::tools {

bool RunStandIn(TtyLine& oLine, int nDisks) {
  TrackFramer oFramer;
  int nEnded = 0;
  for (;;) {
    const std::string cBytes = oLine.ReadSome(4096);
    if (cBytes.empty()) return nDisks == 0;
    for (char c : cBytes) {
      const TrackFramer::Event e = oFramer.Feed(c);
      if (e == TrackFramer::Event::kAnswerHeader && !oLine.Write("", 1)) return false;
      if (e == TrackFramer::Event::kDiskEnd && ++nEnded == nDisks) return true;
    }
  }
}

}  // namespace qvz::tools
