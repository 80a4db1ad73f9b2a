#include "support/shared_lock.h"

namespace qvz::support {

// This program has no login: no user ever holds the shared lock, so there
// is nothing to release.
void SUNLOCK() {}

}  // namespace qvz::support
