#pragma once
// The serial ports of the test's Wine prefix, as the host sees them.

#include <string>
#include <vector>

namespace qvz::test {

// The prefix's dosdevices links named comN, which are the ports the tests
// map and the machine's own serial ports, upper-cased ("COM1", "COM4") in the
// order of their numbers. Listed and sorted by the host, not by Wine.
std::vector<std::string> PrefixPortNames();

}  // namespace qvz::test
