#pragma once
// The framework's default window: the window or dialog constructed most
// recently, which controls created without a parent take as theirs.

namespace qvz::ui {

class TWindow;

TWindow* GETWNDDEFAULT();
// Returns the previous default window.
TWindow* SETWNDDEFAULT(TWindow* oWnd);

}  // namespace qvz::ui
