#pragma once
// What the user reads when the port in QVZ.INI cannot be opened.

#include <string>
#include <vector>

namespace qvz::app {

// A pop-up text (";" separates its lines): the line that names the port,
// the system's description of nError (the open's error code), and the
// serial ports the system has, aPorts, or that it has none.
std::string OpenErrorMessage(const std::string& cPort, unsigned long nError, const std::vector<std::string>& aPorts);

}  // namespace qvz::app
