#pragma once
// The window framework's own errors (a control identifier that no dialog
// item has, a duplicated one, a dialog that cannot be created...), raised
// through the installed error block.

#include <string>

namespace qvz::ui {

// Hands framework error nCode to the error block: severity error, subsystem
// "Korvane", subcode nCode.
void RaiseFrameworkError(int nCode, const std::string& cDescription, const std::string& cOperation);

// The operation text that names a control identifier: "No: " and the
// identifier right-aligned in 6 characters.
std::string IdOperation(int nId);

}  // namespace qvz::ui
