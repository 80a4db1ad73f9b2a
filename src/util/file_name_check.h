#pragma once
// Whether a name the user typed can serve as a file name.

#include <string>

namespace qvz::util {

// False for a name that is empty or blank, that holds any of " * / : < > ?
// \ | or a control character, or that names a device (NUL, CON, PRN, AUX,
// COM1 to COM9, LPT1 to LPT9, in any case, with or without an extension).
// Blanks at either end do not count.
bool LFNFNAME(const std::string& cName);

}  // namespace qvz::util
