#pragma once
// What to tell a user who may not open the adapter: which group owns it and
// how to join that group. Nothing is changed without the user.

#include <string>

namespace qvz::receive {

// The lines for a device that could not be opened for reading and writing,
// each ending with a line break.
std::string RightsMessage(const std::string& cDevice);

}  // namespace qvz::receive
