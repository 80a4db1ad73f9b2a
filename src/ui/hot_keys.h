#pragma once
// Actions bound to keys for the whole program: a window's key handling runs
// the action of a key that has one.

#include <windows.h>

#include <functional>
#include <string>

#include "runtime/value.h"

namespace qvz::ui {

class TWindow;

// Called with the name and line of the procedure that was running, and the window.
using HotKeyAction = std::function<runtime::Value(const std::string& cProc, int nLine, TWindow&)>;

// Binds an action to a key (an empty action removes it); returns the previous one.
HotKeyAction SETKEY(int nKey, HotKeyAction bAction);

// Runs the key's action when it has one; false when it has none.
bool RunHotKey(WPARAM nKey, TWindow& oWnd, runtime::Value& result);

}  // namespace qvz::ui
