#include "support/close_all.h"

#include "support/erase_matching.h"
#include "support/login_state.h"

namespace qvz::support {

// Closing all tables and selecting the first work area belong here too; the
// program has no table layer, so no table is ever open and only the view
// indexes are left to clean up.
void CLOSEALL() { EraseMatching(SETTEMP() + "\x7F" "VIEW*.NTX"); }

}  // namespace qvz::support
