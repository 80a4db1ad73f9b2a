#pragma once
// The support library's one entry for talking to the user: a message box
// that asks and answers, or the one modeless wait pop-up. GUI thread only.

#include <optional>
#include <string>

#include "runtime/value.h"

namespace qvz::support {

// Texts may hold ";" for a line break. Every argument may be left out.
//
// With nType, a message box titled cTitle ("Attenzione" when not given),
// after closing any open wait pop-up:
//   1 information, OK                     -> nil
//   2 question, OK and Cancel             -> true for OK
//   3 question, Yes, No and Cancel        -> 6 Yes, 7 No, 2 Cancel
//   4 question, Yes and No                -> true for Yes
//   5 question, Yes and No, No by default -> true for Yes
//   6 stop sign, OK and Cancel            -> true for OK
// Questions sound a short tone first; Escape counts as Cancel where there is
// one; any other kind shows nothing and gives nil.
//
// Without nType, the wait pop-up (result nil): with no cMsg and neither
// lPrint nor lPage, the open pop-up closes; with none open, one opens, with
// a progress bar from nMin to nMax when nMin is given, in the printing form
// when lPrint; with one open, lUpdate replaces its text, nPos moves its bar,
// and lPage counts and shows one page more.
runtime::Value POPMSG(std::optional<std::string> cMsg = std::nullopt, std::optional<int> nType = std::nullopt,
                      std::optional<std::string> cTitle = std::nullopt,
                      std::optional<bool> lUpdate = std::nullopt, std::optional<int> nMin = std::nullopt,
                      std::optional<int> nMax = std::nullopt, std::optional<int> nPos = std::nullopt,
                      bool lPrint = false, bool lPage = false);

}  // namespace qvz::support
