#include "harness/prefix_ports.h"

#include <gtest/gtest.h>

#include <sstream>

#include "harness/unix_command.h"

namespace qvz::test {

std::vector<std::string> PrefixPortNames() {
  const UnixResult ls = RunUnix("ls \"$WINEPREFIX/dosdevices\" | grep -xE 'com[0-9]+' | sort -k1.4n | tr a-z A-Z");
  EXPECT_EQ(ls.nExitCode, 0) << ls.cOutput;
  std::vector<std::string> aNames;
  std::istringstream in(ls.cOutput);
  for (std::string cName; std::getline(in, cName);) aNames.push_back(cName);
  return aNames;
}

}  // namespace qvz::test
