#include "serial/serial_ports.h"

#include <gtest/gtest.h>

#include "harness/prefix_ports.h"

namespace qvz::serial {
namespace {

TEST(SerialPortsTest, ListsEveryPortThePrefixHas) {
  const std::vector<std::string> aExpected = test::PrefixPortNames();
  ASSERT_GE(aExpected.size(), 3u);  // the tests map COM1 to COM3
  EXPECT_EQ(SerialPortNames(), aExpected);
}

TEST(SerialPortsTest, NamesAreInTheOrderOfTheirNumbersOnceEach) {
  struct Case {
    std::vector<std::string> aIn, aOut;
  };
  const Case aCases[] = {
      {{}, {}},
      {{"COM1"}, {"COM1"}},
      {{"COM10", "COM2", "COM1", "COM9"}, {"COM1", "COM2", "COM9", "COM10"}},
      {{"COM4", "COM3", "COM4"}, {"COM3", "COM4"}},
      // Names of other drivers (virtual pairs, "COM" without a number) come last.
      {{"CNCB0", "COM12", "COM", "CNCA0", "COM3"}, {"COM3", "COM12", "CNCA0", "CNCB0", "COM"}},
  };
  for (const Case& c : aCases) {
    std::vector<std::string> aNames = c.aIn;
    SortPortNames(aNames);
    EXPECT_EQ(aNames, c.aOut);
  }
}

}  // namespace
}  // namespace qvz::serial
