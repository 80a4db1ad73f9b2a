#pragma once
// The shared lock that a logged-in user holds on the support library's lock
// table while working, so that other users see who is in.

namespace qvz::support {

// Releases the logged-in user's shared lock, so that other users are not
// blocked while a message or an error report is shown.
void SUNLOCK();

}  // namespace qvz::support
