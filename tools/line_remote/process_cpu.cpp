#include "line_remote/process_cpu.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <unistd.h>

namespace qvz::tools {

std::optional<double> ProcessCpuSeconds(int nPid) {
  std::ifstream oFile("/proc/" + std::to_string(nPid) + "/stat");
  const std::string cStat((std::istreambuf_iterator<char>(oFile)), std::istreambuf_iterator<char>());
  // The name in parentheses may hold blanks: the fields are counted after it.
  const auto nNameEnd = cStat.rfind(')');
  if (nNameEnd == std::string::npos) return std::nullopt;
  std::istringstream oFields(cStat.substr(nNameEnd + 1));
  std::string cField;
  // Fields 3 to 13 (state .. cmajflt), then utime and stime.
  for (int i = 3; i <= 13; ++i) oFields >> cField;
  unsigned long long nUser = 0, nSystem = 0;
  if (!(oFields >> nUser >> nSystem)) return std::nullopt;
  return static_cast<double>(nUser + nSystem) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace qvz::tools
