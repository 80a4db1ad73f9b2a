#pragma once
// The one place an error goes when no guarded sequence takes it: window and
// dialog procedures and thread start routines catch every exception at their
// boundary and hand it here, so none crosses into the platform.

#include <exception>
#include <functional>
#include <utility>

namespace qvz::runtime {

using ErrorBlock = std::function<void(std::exception_ptr)>;

// Installs a new error block and returns the previous one. Until one is
// installed, an error shows its description and ends the program.
ErrorBlock SetErrorBlock(ErrorBlock bBlock);

// Hands the exception to the installed block. Never throws.
void DeliverToErrorBlock(std::exception_ptr pError) noexcept;

}  // namespace qvz::runtime
