#include "line_remote/disk_sender.h"

#include <string>

#include "remote/disk_pattern.h"

namespace qvz::tools {
namespace {

constexpr unsigned char kAck = 0x00;
constexpr unsigned char kTab = 0x09;
constexpr unsigned kSectorsPerTrack = 18;

}  // namespace

DiskSender::DiskSender(TtyLine& oLine, double nBytesPerSecond, std::int64_t nAnswerTimeoutNs)
    : oLine(oLine), oPacer(nBytesPerSecond), nAnswerTimeoutNs(nAnswerTimeoutNs) {}

// Each byte is written when it is complete on the wire. A sender that was
// late writes at once every byte that is due by then, as a UART's FIFO
// would have sent them meanwhile, so lateness never adds up.
bool DiskSender::SendPaced(const char* pBytes, std::size_t nCount, DiskTiming& oTiming) {
  while (nCount > 0) {
    std::size_t nDue = oPacer.DueBy(NowNs(), nCount);
    if (nDue == 0) {
      SleepUntilNs(oPacer.NextDue());
      nDue = oPacer.DueBy(NowNs(), nCount);
      if (nDue == 0) continue;  // woken early
    }
    if (!oLine.Write(pBytes, nDue)) return false;
    oPacer.Sent(nDue);
    oTiming.nBytes += nDue;
    pBytes += nDue;
    nCount -= nDue;
  }
  return true;
}

SendResult DiskSender::Send(std::uint32_t nSeed, std::size_t nTracks, DiskTiming& oTiming) {
  oTiming = DiskTiming{};
  oTiming.nStartNs = NowNs();
  oPacer.Resume(oTiming.nStartNs);
  for (std::size_t t = 0; t < nTracks; ++t) {
    const unsigned v = static_cast<unsigned>(t + 1) * kSectorsPerTrack;
    const char aHeader[3] = {'T', static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
    if (!SendPaced(aHeader, sizeof aHeader, oTiming)) return SendResult::kLineFailed;
    const std::int64_t nHeaderNs = NowNs();
    const auto nAnswer = oLine.ReadByte(nHeaderNs + nAnswerTimeoutNs);
    const std::int64_t nAnswerNs = NowNs();
    if (nAnswer == kTab) return SendResult::kEnded;
    if (nAnswer != kAck) return SendResult::kNoAnswer;
    oTiming.aTurnaroundMs.push_back(static_cast<double>(nAnswerNs - nHeaderNs) / 1e6);
    oTiming.nLastAnswerNs = nAnswerNs;
    oTiming.nBytesAnswered = oTiming.nBytes;
    oTiming.nTracks = t + 1;
    // The wait is lost: the data's first byte starts onto the wire now.
    oPacer.Resume(nAnswerNs);
    const std::string cTrack = PatternTrack(nSeed, t);
    if (!SendPaced(cTrack.data(), cTrack.size(), oTiming)) return SendResult::kLineFailed;
  }
  if (!SendPaced("E", 1, oTiming)) return SendResult::kLineFailed;
  oTiming.nEndNs = NowNs();
  return SendResult::kSent;
}

}  // namespace qvz::tools
