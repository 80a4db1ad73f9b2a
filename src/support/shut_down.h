#pragma once
// The support library's shut-down procedure. The program runs it once, after
// its entry has returned or a quit was asked for, when no window is left.

namespace qvz::support {

// Closes what is open and erases the temporary view indexes; when a user is
// logged in, also releases that user's login files.
void ShutDown();

}  // namespace qvz::support
