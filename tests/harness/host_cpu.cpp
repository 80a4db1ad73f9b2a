#include "harness/host_cpu.h"

#include <gtest/gtest.h>

#include <sstream>

#include "harness/unix_command.h"

namespace qvz::test {

CpuSeconds HostCpuSeconds(const std::string& cProgram) {
  // The processes of this prefix carry it in their environment. Fields 14
  // and 15 of /proc/<pid>/stat are user and system time in clock ticks; the
  // command name before them may hold blanks, so they are counted from
  // behind its closing parenthesis.
  const std::string cScript =
      "prefix='" + RequiredEnv("WINEPREFIX") + "'; program='" + cProgram + "'\n"
      "ticks=$(getconf CLK_TCK)\n"
      "for p in /proc/[0-9]*; do\n"
      "  tr '\\0' '\\n' 2>/dev/null < $p/environ | grep -qxF \"WINEPREFIX=$prefix\" || continue\n"
      "  cmd=$(tr '\\0' ' ' 2>/dev/null < $p/cmdline)\n"
      "  case \"$cmd\" in\n"
      "    *wineserver*) kind=server ;;\n"
      "    *\"$program\"*) kind=program ;;\n"
      "    *) continue ;;\n"
      "  esac\n"
      "  sed 's/^.*) //' $p/stat 2>/dev/null | awk -v k=$kind -v t=$ticks '{print k, ($12 + $13) / t}'\n"
      "done\n";
  const UnixResult r = RunUnix(cScript);
  EXPECT_EQ(r.nExitCode, 0) << r.cOutput;
  CpuSeconds oSeconds;
  bool lServer = false;
  std::istringstream in(r.cOutput);
  std::string cKind;
  double nSeconds = 0;
  while (in >> cKind >> nSeconds) {
    if (cKind == "server") {
      oSeconds.nWineServer += nSeconds;
      lServer = true;
    } else {
      oSeconds.nProgram += nSeconds;
    }
  }
  EXPECT_TRUE(lServer) << "no Wine server found for the prefix " << RequiredEnv("WINEPREFIX") << ": " << r.cOutput;
  return oSeconds;
}

CpuSeconds HostCpuOver(const std::string& cProgram, DWORD nMs) {
  const CpuSeconds oBefore = HostCpuSeconds(cProgram);
  Sleep(nMs);
  return HostCpuSeconds(cProgram) - oBefore;
}

}  // namespace qvz::test
