#pragma once
// The break out of a guarded sequence. A guarded sequence is a try block that
// catches this type alone; its catch block is the recovery part, and the
// work the break interrupted is abandoned.

#include "runtime/runtime_error.h"

namespace qvz::runtime {

struct SequenceBreak {
  RuntimeError oError;  // the error that made the handler break
};

}  // namespace qvz::runtime
