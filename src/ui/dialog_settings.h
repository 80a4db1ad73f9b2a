#pragma once
// Settings shared by every dialog. Each function returns the previous value;
// the first two change only when given a value.

#include <windows.h>

#include <optional>
#include <vector>

namespace qvz::ui {

// Escape ends a dialog (default true).
bool SETDIALOGESC(std::optional<bool> lOnOff = std::nullopt);
// Centred dialogs are centred over their parent window (default false).
bool SETCENTERONPARENT(std::optional<bool> lOnOff = std::nullopt);
// Gradient colours for dialogs that have none of their own; always stores
// its argument, so a call without one clears the setting.
std::vector<COLORREF> SETDLGGRADIENT(std::vector<COLORREF> aColors = {});
const std::vector<COLORREF>& DialogGradient();

}  // namespace qvz::ui
