#pragma once
// The timing of a UART sending at a fixed byte rate: each byte is complete
// on the wire one byte time after the one before it. A sender that stops to
// wait for an answer starts again from the moment the answer came: the time
// it waited is lost, never caught up by sending faster afterwards. Times are
// nanoseconds on one steady clock.

#include <cstddef>
#include <cstdint>

namespace qvz::tools {

class WirePacer {
 public:
  // nBytesPerSecond 0: no pacing, every byte is due at once.
  explicit WirePacer(double nBytesPerSecond);

  // The line starts (or resumes after an answer) at nNowNs: the next byte
  // is complete on the wire one byte time later.
  void Resume(std::int64_t nNowNs);

  // When the next byte is complete on the wire.
  std::int64_t NextDue() const;

  // How many of the next nLeft bytes are due by nNowNs: 0 before the next
  // byte is due; the bytes that a late sender must write at once after.
  std::size_t DueBy(std::int64_t nNowNs, std::size_t nLeft) const;

  // nCount more bytes went out.
  void Sent(std::size_t nCount) { nSinceResume += nCount; }

  // The time nCount bytes take on the wire; 0 without pacing.
  std::int64_t WireNs(std::size_t nCount) const;

 private:
  double nRate;
  std::int64_t nResumedNs = 0;
  std::size_t nSinceResume = 0;  // bytes sent since nResumedNs
};

}  // namespace qvz::tools
