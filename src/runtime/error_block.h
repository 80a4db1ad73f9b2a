#pragma once
// The one place every run-time error goes. An error is raised where it
// arises, and the block's answer becomes the failing operation's result;
// window and dialog procedures catch every exception at their boundary and
// hand it here too, so none crosses into the platform.
//
// The block belongs to the GUI thread: it shows messages and reports, keeps
// the procedure trace and may end the program, so only the GUI thread calls
// SetErrorBlock, RaiseError and DeliverToErrorBlock. Another thread catches
// at its start routine, keeps the failure and hands it to the GUI thread,
// which raises it (a port's reader does so).

#include <exception>
#include <functional>

#include "runtime/runtime_error.h"
#include "runtime/value.h"

namespace qvz::runtime {

// Given the error, returns the failing operation's result (nil for none),
// or throws SequenceBreak to leave the operation for the recovery part of
// the nearest guarded sequence.
using ErrorBlock = std::function<Value(std::exception_ptr)>;

// Installs a new error block and returns the previous one. Until one is
// installed, an error shows its description and ends the program.
ErrorBlock SetErrorBlock(ErrorBlock bBlock);

// Hands an error to the block at the place it arises; a break out of the
// block goes on from here as a SequenceBreak.
Value RaiseError(const RuntimeError& oError);

// Hands an exception that reached a boundary to the block. Never throws.
void DeliverToErrorBlock(std::exception_ptr pError) noexcept;

}  // namespace qvz::runtime
