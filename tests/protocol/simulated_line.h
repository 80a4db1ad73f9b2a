#pragma once
// A remote machine and a front end on simulated time, for tables of byte
// streams: the remote follows a script (bytes, pauses, waits for the 0x00,
// the exit key), the front end feeds the receiver's rules as a real one
// would: each byte with its time, a clock reading at each deadline that
// comes before the next byte, and it records what the rules answer.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "protocol/receiver.h"

namespace qvz::protocol::test {

struct Send {
  std::string cBytes;  // sent back to back, at one instant
};
struct Pause {
  std::int64_t nMs;
};
struct Flush {};     // the remote forgets what it received so far, as before a header
struct AwaitAck {};  // the remote waits for the 0x00 (at most a minute)
struct PressExit {};

using Action = std::variant<Send, Pause, Flush, AwaitAck, PressExit>;

struct Transcript {
  std::vector<std::string> aLines;
  std::string cSent;                // every byte the receiver sent
  std::vector<std::string> aSaved;  // the image at each save request
  bool lStopped = false;            // the rules stopped the loop
  bool lRemoteStuck = false;        // the remote waited a minute for a 0x00 in vain

  int Count(char c) const;
  bool Logged(const std::string& cLine) const;
};

// Runs the script against fresh rules (after Start()), then lets a minute
// pass. A save is answered as saved under "DISKn.QVZ", n counting from 1.
Transcript Play(const std::vector<Action>& aScript);

// Script pieces: one track as the remote sends it (header, wait, data).
// The header's bytes go out as given, so a test can drop one.
void AddTrack(std::vector<Action>& aScript, unsigned nSectorNumber, const std::string& cData);
void AddTrack(std::vector<Action>& aScript, const std::string& cHeader, const std::string& cData);
std::string Header(unsigned nSectorNumber);

}  // namespace qvz::protocol::test
