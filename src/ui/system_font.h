#pragma once
// The face of the font a window takes when neither it nor its parent has one.

#include <string>

namespace qvz::ui {

// "Segoe UI" from Windows 8 on, "Ms Sans Serif" before.
std::string GETSYSFONT();

}  // namespace qvz::ui
