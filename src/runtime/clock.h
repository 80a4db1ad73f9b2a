#pragma once
// The millisecond clock that waits and time limits read.

#include <cstdint>

namespace qvz::runtime {

// Milliseconds on a steady clock: it never jumps with the wall clock and
// does not wrap at midnight, so a limit counted from a call's start holds
// across either.
std::int64_t MilliSeconds();

}  // namespace qvz::runtime
