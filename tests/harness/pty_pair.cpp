#include "harness/pty_pair.h"

#include <gtest/gtest.h>

#include "harness/unix_command.h"
#include "remote/serial_line.h"

namespace qvz::test {

PtyPair::PtyPair() : cDir(RequiredEnv("QVZ_TTY")) {
  UnixResult r = RunUnix(
      "cd '" + cDir + "' || exit 1\n"
      "rm -f com1 com2\n"
      "socat pty,raw,echo=0,link=com1 pty,raw,echo=0,link=com2 </dev/null >/dev/null 2>&1 &\n"
      "echo $! > pair.pid\n"
      "i=0; while [ ! -e com1 ] || [ ! -e com2 ]; do\n"
      "  i=$((i+1)); [ $i -gt 500 ] && exit 1; sleep 0.01; done\n");
  lRunning = r.nExitCode == 0;
  EXPECT_TRUE(lRunning) << "socat pair did not start: " << r.cOutput;
}

void PtyPair::Pull() {
  if (!lRunning) return;
  lRunning = false;
  RunUnix("cd '" + cDir + "' || exit 1\n"
          // socat's parent has gone, so once ended it may stay a zombie for a
          // while: wait until it is gone or a zombie.
          "pid=$(cat pair.pid) && kill $pid\n"
          "while s=$(awk '/^State/{print $2}' /proc/$pid/status 2>/dev/null) && [ -n \"$s\" ] && [ \"$s\" != Z ]; do\n"
          "  sleep 0.01; done\n"
          "rm -f pair.pid com1 com2\n");
}

PtyPair::~PtyPair() { Pull(); }

std::string PtyPair::ProgramEnd() const { return cDir + "/com1"; }

// Reads return at once with what waits.
FarEnd::FarEnd() : hPort(tools::OpenLine(PtyPair::kFarPort, COMMTIMEOUTS{MAXDWORD, 0, 0, 0, 0})) {
  EXPECT_NE(hPort, INVALID_HANDLE_VALUE) << "cannot open the far end: " << GetLastError();
}

FarEnd::~FarEnd() {
  if (IsOpen()) CloseHandle(hPort);
}

void FarEnd::Write(const std::string& cData) {
  size_t nDone = 0;
  while (nDone < cData.size()) {
    DWORD nWritten = 0;
    if (!WriteFile(hPort, cData.data() + nDone, static_cast<DWORD>(cData.size() - nDone),
                   &nWritten, nullptr)) {
      ADD_FAILURE() << "far-end write failed: " << GetLastError();
      return;
    }
    nDone += nWritten;
  }
}

std::string FarEnd::Read(size_t nCount, DWORD nTimeoutMs) {
  std::string cData;
  const ULONGLONG nDeadline = GetTickCount64() + nTimeoutMs;
  char aBuf[4096];
  while (cData.size() < nCount && GetTickCount64() < nDeadline) {
    DWORD nRead = 0;
    DWORD nWant = static_cast<DWORD>(std::min(sizeof aBuf, nCount - cData.size()));
    if (ReadFile(hPort, aBuf, nWant, &nRead, nullptr) && nRead > 0)
      cData.append(aBuf, nRead);
    else
      Sleep(1);
  }
  return cData;
}

}  // namespace qvz::test
