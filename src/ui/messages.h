#pragma once
// Posting and sending messages by handle, with a text lParam passed as a
// pointer to its bytes.

#include <windows.h>

#include "runtime/value.h"

namespace qvz::ui {

// The platform's result; 0 for a handle that is not a window (0 and
// HWND_BROADCAST go to the platform as they are). For a Unicode window the
// W functions are used, and a text lParam of a message below WM_USER is
// converted to UTF-16 first.
runtime::Value SENDMESSAGE(HWND hWnd, UINT nMsg, WPARAM nWParam, const runtime::Value& nLParam);

// As SENDMESSAGE, but posted. A text lParam is refused (result 0): the
// message would outlive the text its pointer points to.
runtime::Value POSTMESSAGE(HWND hWnd, UINT nMsg, WPARAM nWParam, const runtime::Value& nLParam);

}  // namespace qvz::ui
