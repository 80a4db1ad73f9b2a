#include "support/error_mode.h"

#include <windows.h>

namespace qvz::support {

unsigned SETERRORMODE(unsigned nMode) { return SetErrorMode(nMode); }

}  // namespace qvz::support
