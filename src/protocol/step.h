#pragma once
// What the receiver's rules ask of their front end after each event.

#include <string>
#include <vector>

namespace qvz::protocol {

struct Step {
  std::vector<std::string> aLines;  // log lines, in order, written before anything is sent
  std::string cSend;                // bytes for the remote machine, sent after the lines
  bool lSave = false;               // a disk is complete: save the image, then report with Saved()
  bool lStop = false;               // the loop ends

  bool Empty() const { return aLines.empty() && cSend.empty() && !lSave && !lStop; }
};

}  // namespace qvz::protocol
