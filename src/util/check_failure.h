#pragma once
// How a failing disk or file check tells the user and ends the operation.
// GUI thread only.

#include <string>

namespace qvz::util {

// Releases the shared lock, then shows the message as an information pop-up.
void TellCheckFailure(const std::string& cMessage);

// Leaves the operation for the recovery part of the nearest guarded
// sequence (a runtime::SequenceBreak naming the operation and the file).
[[noreturn]] void BreakOperation(const std::string& cOperation, const std::string& cFile);

}  // namespace qvz::util
