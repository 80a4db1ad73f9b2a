#pragma once
// Processor time of Wine programs, read from the host's /proc. Under Wine,
// GetProcessTimes of another process reads 0, and much of a program's work
// on its message queue is done by the Wine server: a busy wait shows in the
// two together.

#include <windows.h>

#include <string>

namespace qvz::test {

struct CpuSeconds {
  double nProgram = 0;     // the processes whose command line names the program
  double nWineServer = 0;  // the Wine server of this test run's prefix
  double Total() const { return nProgram + nWineServer; }
  CpuSeconds operator-(const CpuSeconds& o) const { return {nProgram - o.nProgram, nWineServer - o.nWineServer}; }
};

// What the program cProgram (for example "qvz.exe") and the Wine server of
// this prefix have used so far; only processes of this prefix count.
CpuSeconds HostCpuSeconds(const std::string& cProgram);

// What they use while nMs pass.
CpuSeconds HostCpuOver(const std::string& cProgram, DWORD nMs);

}  // namespace qvz::test
