#pragma once
// The remote machine's sending program, for measuring a receiver: for each
// track "T" and the sector number after the track (low byte first), then it
// waits for the 0x00 and sends the track's 4608 bytes; after the last track
// "E". Bytes go out paced like a UART (or unpaced, as fast as the device
// takes them), and every wait for an answer is timed.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "line_remote/tty_line.h"
#include "line_remote/wire_pacer.h"

namespace qvz::tools {

struct DiskTiming {
  std::size_t nTracks = 0;           // tracks whose header was answered
  std::size_t nBytes = 0;            // bytes sent, "E" included
  std::int64_t nStartNs = 0;         // the first byte starts onto the wire
  std::int64_t nEndNs = 0;           // "E" is on the wire
  std::int64_t nLastAnswerNs = 0;    // the last header's 0x00 came back
  std::size_t nBytesAnswered = 0;    // bytes sent before that answer, all taken by then
  std::vector<double> aTurnaroundMs; // per header: its last byte written to its 0x00 read
};

enum class SendResult {
  kSent,
  kEnded,       // the receiver sent the TAB byte: its user ended it
  kNoAnswer,    // no 0x00 in time, or another byte
  kLineFailed,  // the device failed or was closed
};

class DiskSender {
 public:
  // nBytesPerSecond 0: unpaced.
  DiskSender(TtyLine& oLine, double nBytesPerSecond, std::int64_t nAnswerTimeoutNs);

  // One disk of the pattern with this seed; oTiming tells how it went, also
  // when it ended early.
  SendResult Send(std::uint32_t nSeed, std::size_t nTracks, DiskTiming& oTiming);

 private:
  bool SendPaced(const char* pBytes, std::size_t nCount, DiskTiming& oTiming);

  TtyLine& oLine;
  WirePacer oPacer;
  std::int64_t nAnswerTimeoutNs;
};

}  // namespace qvz::tools
