#pragma once
// The system's own words for an error code, for messages to the user.

#include <string>

namespace qvz::runtime {

// The description the system gives for nCode (in the system's language),
// on one line without its final line break; "Error " and the number when
// the system has none.
std::string SystemMessage(unsigned long nCode);

}  // namespace qvz::runtime
