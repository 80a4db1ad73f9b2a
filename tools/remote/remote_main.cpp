// The remote machine's side of the transfer, for tests, benchmarks and
// demonstrations: it sends disks over a serial port the way the vintage
// computer's sending program does.
//
//   qvz-remote [--port COM2] [--disks 1] [--tracks 160] [--rate 0]
//              [--seed 1] [--gap-ms 0] [--start-delay-ms 0] [--ack-timeout-ms 600000]
//              [--expected FILE] [--saved-file FILE]
//
// For each track: "T", the sector number after the track (low byte first),
// then it waits for the 0x00 acknowledgement and sends the 4608 data bytes;
// after the last track "E". --rate paces the bytes (bytes a second, 0 for as
// fast as the line takes them). A TAB byte from the program ends the run.
// It prints one line per disk and exits 0 when every disk went out.
// --expected writes the image file that the first disk should give;
// --saved-file times the first disk from its first "T" until that file is
// on disk whole.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "remote/disk_pattern.h"
#include "remote/serial_line.h"

namespace {

struct Options {
  std::string cPort = "COM2";
  int nDisks = 1;
  int nTracks = 160;
  double nRate = 0;
  unsigned nSeed = 1;
  int nGapMs = 0;
  int nStartDelayMs = 0;
  int nAckTimeoutMs = 600000;
  std::string cExpected;  // where to write the image file the first disk should give
  std::string cSaved;     // the file the first disk is saved as: timed until it is on disk
};

using Clock = std::chrono::steady_clock;

class Line {
 public:
  // A read waits at most 100 ms.
  explicit Line(const std::string& cPort) : hPort(qvz::tools::OpenLine(cPort, COMMTIMEOUTS{0, 0, 100, 0, 0})) {}
  ~Line() {
    if (Ok()) CloseHandle(hPort);
  }
  bool Ok() const { return hPort != INVALID_HANDLE_VALUE; }
  bool Write(const char* p, size_t n) {
    while (n > 0) {
      DWORD nDone = 0;
      if (!WriteFile(hPort, p, static_cast<DWORD>(n), &nDone, nullptr)) return false;
      p += nDone;
      n -= nDone;
    }
    return true;
  }
  // The next byte from the program, or -1 after nTimeoutMs.
  int Read(int nTimeoutMs) {
    const auto nEnd = Clock::now() + std::chrono::milliseconds(nTimeoutMs);
    do {
      unsigned char b;
      DWORD n = 0;
      if (ReadFile(hPort, &b, 1, &n, nullptr) && n == 1) return b;
    } while (Clock::now() < nEnd);
    return -1;
  }

 private:
  HANDLE hPort = INVALID_HANDLE_VALUE;
};

// Sends bytes no faster than the rate, counted from the disk's start.
class Pacer {
 public:
  Pacer(Line& oLine, double nRate) : oLine(oLine), nRate(nRate), tStart(Clock::now()) {}
  bool Send(const std::string& c) {
    for (size_t i = 0; i < c.size(); i += 64) {
      size_t n = std::min<size_t>(64, c.size() - i);
      if (nRate > 0) {
        auto tDue = tStart + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(nSent / nRate));
        std::this_thread::sleep_until(tDue);
      }
      if (!oLine.Write(c.data() + i, n)) return false;
      nSent += n;
    }
    return true;
  }

 private:
  Line& oLine;
  double nRate;
  Clock::time_point tStart;
  double nSent = 0;
};

Options Parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string k = argv[i], v = argv[i + 1];
    if (k == "--port") o.cPort = v;
    else if (k == "--disks") o.nDisks = std::atoi(v.c_str());
    else if (k == "--tracks") o.nTracks = std::atoi(v.c_str());
    else if (k == "--rate") o.nRate = std::atof(v.c_str());
    else if (k == "--seed") o.nSeed = static_cast<unsigned>(std::strtoul(v.c_str(), nullptr, 10));
    else if (k == "--gap-ms") o.nGapMs = std::atoi(v.c_str());
    else if (k == "--start-delay-ms") o.nStartDelayMs = std::atoi(v.c_str());
    else if (k == "--expected") o.cExpected = v;
    else if (k == "--saved-file") o.cSaved = v;
    else if (k == "--ack-timeout-ms") o.nAckTimeoutMs = std::atoi(v.c_str());
    else std::fprintf(stderr, "unknown option %s\n", k.c_str());
  }
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = Parse(argc, argv);
  if (!o.cExpected.empty()) {
    std::ofstream out(o.cExpected, std::ios::binary);
    out << qvz::tools::PatternImageFile(o.nSeed, static_cast<size_t>(o.nTracks));
  }
  Line oLine(o.cPort);
  if (!oLine.Ok()) {
    std::fprintf(stderr, "cannot open %s\n", o.cPort.c_str());
    return 2;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(o.nStartDelayMs));
  for (int d = 0; d < o.nDisks; ++d) {
    const unsigned nSeed = o.nSeed + static_cast<unsigned>(d);
    Pacer oPacer(oLine, o.nRate);
    const auto tStart = Clock::now();
    double nAckMs = 0;
    for (int t = 0; t < o.nTracks; ++t) {
      const unsigned v = static_cast<unsigned>((t + 1) * 18);
      const std::string cHeader = {'T', static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
      if (!oPacer.Send(cHeader)) return 3;
      const auto tHeader = Clock::now();
      int nAnswer = oLine.Read(o.nAckTimeoutMs);
      if (nAnswer == 0x09) {
        std::printf("disk %d: the program ended the transfer\n", d + 1);
        return 4;
      }
      if (nAnswer != 0) {
        std::fprintf(stderr, "disk %d track %d: no acknowledgement (%d)\n", d + 1, t + 1, nAnswer);
        return 5;
      }
      nAckMs += std::chrono::duration<double, std::milli>(Clock::now() - tHeader).count();
      if (!oPacer.Send(qvz::tools::PatternTrack(nSeed, static_cast<size_t>(t)))) return 3;
    }
    if (!oPacer.Send("E")) return 3;
    const double nSeconds = std::chrono::duration<double>(Clock::now() - tStart).count();
    std::printf("disk %d: %d tracks sent in %.2f s, mean acknowledgement %.2f ms\n", d + 1, o.nTracks, nSeconds,
                o.nTracks ? nAckMs / o.nTracks : 0.0);
    if (d == 0 && !o.cSaved.empty()) {
      const size_t nSize = qvz::tools::PatternImageFile(nSeed, static_cast<size_t>(o.nTracks)).size();
      WIN32_FILE_ATTRIBUTE_DATA fad{};
      while (!GetFileAttributesExA(o.cSaved.c_str(), GetFileExInfoStandard, &fad) || fad.nFileSizeLow != nSize)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      std::printf("disk 1: first T to file on disk %.2f s\n", std::chrono::duration<double>(Clock::now() - tStart).count());
    }
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::milliseconds(o.nGapMs));
  }
  return 0;
}
