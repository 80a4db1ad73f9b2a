// The benchmark's remote machine, a host program outside Wine that talks to
// the far end of a serial line (a pty) directly:
//
//   qvz-line-remote send --device PATH [--tracks 160] [--disks 1] [--unpaced]
//                   [--seed 1] [--answer-timeout-ms 60000] [--expected FILE]
//                   [--watch PID]...
//       sends disks paced at the line's 5760 bytes a second (or unpaced)
//       and prints one line of figures per disk; --watch adds the processor
//       seconds a process used while the disk was sent, --expected writes
//       the image file the first disk should give
//   qvz-line-remote stand-in --device PATH [--disks 0]
//       answers every header at once: the floor of the line and the remote
//   qvz-line-remote await --device PATH [--timeout-ms 10000]
//       prints the next byte that comes and the wall-clock time it came
//
// Exit codes: 0 done, 2 usage or device, 3 line failed, 4 the receiver
// ended the transfer (TAB), 5 a header was not answered.

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "line_remote/disk_sender.h"
#include "line_remote/process_cpu.h"
#include "line_remote/stand_in.h"
#include "line_remote/tty_line.h"
#include "line_remote/turnaround_summary.h"
#include "protocol/image_layout.h"
#include "remote/disk_pattern.h"

namespace {

using namespace qvz::tools;

constexpr double kLineBytesPerSecond = 5760;  // 57600 baud, 10 bits a byte

struct Options {
  std::string cVerb;
  std::string cDevice;
  int nTracks = 160;
  int nDisks = -1;  // the verb's default
  bool lUnpaced = false;
  unsigned nSeed = 1;
  long long nAnswerTimeoutMs = 60000;
  long long nTimeoutMs = 10000;
  std::string cExpected;
  std::vector<int> aWatched;
  bool lValid = true;
};

Options Parse(int argc, char** argv) {
  Options o;
  if (argc < 2) {
    o.lValid = false;
    return o;
  }
  o.cVerb = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string k = argv[i];
    if (k == "--unpaced") {
      o.lUnpaced = true;
      continue;
    }
    if (i + 1 >= argc) {
      o.lValid = false;
      break;
    }
    const char* v = argv[++i];
    if (k == "--device") o.cDevice = v;
    else if (k == "--tracks") o.nTracks = std::atoi(v);
    else if (k == "--disks") o.nDisks = std::atoi(v);
    else if (k == "--seed") o.nSeed = static_cast<unsigned>(std::strtoul(v, nullptr, 10));
    else if (k == "--answer-timeout-ms") o.nAnswerTimeoutMs = std::atoll(v);
    else if (k == "--timeout-ms") o.nTimeoutMs = std::atoll(v);
    else if (k == "--expected") o.cExpected = v;
    else if (k == "--watch") o.aWatched.push_back(std::atoi(v));
    else o.lValid = false;
  }
  if (o.cDevice.empty() || o.nTracks < 0) o.lValid = false;
  return o;
}

std::vector<std::pair<int, double>> CpuNow(const std::vector<int>& aPids) {
  std::vector<std::pair<int, double>> a;
  for (int nPid : aPids) a.emplace_back(nPid, ProcessCpuSeconds(nPid).value_or(0));
  return a;
}

const char* ResultName(SendResult e) {
  switch (e) {
    case SendResult::kSent: return "sent";
    case SendResult::kEnded: return "ended";
    case SendResult::kNoAnswer: return "unanswered";
    case SendResult::kLineFailed: return "line-failed";
  }
  return "?";
}

int ExitCode(SendResult e) {
  switch (e) {
    case SendResult::kSent: return 0;
    case SendResult::kLineFailed: return 3;
    case SendResult::kEnded: return 4;
    case SendResult::kNoAnswer: return 5;
  }
  return 3;
}

void PrintDisk(int nDisk, SendResult eResult, const DiskTiming& o, bool lPaced,
               const std::vector<std::pair<int, double>>& aCpuBefore, const std::vector<std::pair<int, double>>& aCpuAfter) {
  const TurnaroundSummary s = Summarize(o.aTurnaroundMs);
  const double nTransfer = static_cast<double>(o.nEndNs - o.nStartNs) / 1e9;
  const double nLine = static_cast<double>(o.nBytes) / kLineBytesPerSecond;
  const double nAnswered = static_cast<double>(o.nLastAnswerNs - o.nStartNs) / 1e9;
  std::printf("disk=%d result=%s paced=%d tracks=%zu bytes=%zu", nDisk, ResultName(eResult), lPaced ? 1 : 0, o.nTracks,
              o.nBytes);
  if (eResult == SendResult::kSent)
    std::printf(" transfer_s=%.4f line_s=%.4f ratio=%.5f", nTransfer, nLine, nLine > 0 ? nTransfer / nLine : 0);
  std::printf(" rate_Bps=%.1f", nAnswered > 0 ? static_cast<double>(o.nBytesAnswered) / nAnswered : 0);
  std::printf(" turn_median_ms=%.3f turn_mean_ms=%.3f turn_p90_ms=%.3f turn_max_ms=%.3f", s.nMedian, s.nMean, s.nP90,
              s.nMax);
  for (std::size_t i = 0; i < aCpuAfter.size(); ++i)
    std::printf(" cpu_%d_s=%.2f", aCpuAfter[i].first, aCpuAfter[i].second - aCpuBefore[i].second);
  std::printf("\n");
  std::fflush(stdout);
}

int Send(const Options& o, TtyLine& oLine) {
  if (!o.cExpected.empty()) {
    std::ofstream oOut(o.cExpected, std::ios::binary);
    oOut << qvz::protocol::LayOutImage(PatternDisk(o.nSeed, static_cast<std::size_t>(o.nTracks)));
  }
  const double nRate = o.lUnpaced ? 0 : kLineBytesPerSecond;
  DiskSender oSender(oLine, nRate, o.nAnswerTimeoutMs * 1'000'000);
  const int nDisks = o.nDisks < 0 ? 1 : o.nDisks;
  for (int d = 0; d < nDisks; ++d) {
    DiskTiming oTiming;
    const auto aBefore = CpuNow(o.aWatched);
    const SendResult e = oSender.Send(o.nSeed + static_cast<unsigned>(d), static_cast<std::size_t>(o.nTracks), oTiming);
    PrintDisk(d + 1, e, oTiming, nRate > 0, aBefore, CpuNow(o.aWatched));
    if (e != SendResult::kSent) return ExitCode(e);
  }
  return 0;
}

int Await(const Options& o, TtyLine& oLine) {
  const auto nByte = oLine.ReadByte(NowNs() + o.nTimeoutMs * 1'000'000);
  if (!nByte) return 5;
  timespec t{};
  clock_gettime(CLOCK_REALTIME, &t);
  std::printf("byte=%u realtime_s=%lld.%09ld\n", static_cast<unsigned>(*nByte), static_cast<long long>(t.tv_sec),
              t.tv_nsec);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = Parse(argc, argv);
  if (!o.lValid || (o.cVerb != "send" && o.cVerb != "stand-in" && o.cVerb != "await")) {
    std::fprintf(stderr,
                 "usage: qvz-line-remote send --device PATH [--tracks N] [--disks N] [--unpaced] [--seed N]\n"
                 "                            [--answer-timeout-ms N] [--expected FILE] [--watch PID]...\n"
                 "       qvz-line-remote stand-in --device PATH [--disks N]\n"
                 "       qvz-line-remote await --device PATH [--timeout-ms N]\n");
    return 2;
  }
  PreciseTimers();
  TtyLine oLine(o.cDevice);
  if (!oLine.IsOpen()) {
    std::fprintf(stderr, "cannot open %s\n", o.cDevice.c_str());
    return 2;
  }
  if (o.cVerb == "send") return Send(o, oLine);
  if (o.cVerb == "await") return Await(o, oLine);
  return RunStandIn(oLine, o.nDisks < 0 ? 0 : o.nDisks) ? 0 : 3;
}
