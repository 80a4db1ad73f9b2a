#pragma once
// The framework's private window messages, which its windows and controls
// send one another, and the notification codes of WM_COMMAND that the
// dialog turns into them.

#include <windows.h>

namespace qvz::ui {

constexpr UINT kFrameworkClick = 0x0800;         // a control was clicked or chosen
constexpr UINT kFrameworkChange = 0x0805;        // a control's contents changed
constexpr UINT kColorRequest = 0x0806;           // wParam: the device context; answer: the brush
constexpr UINT kFrameworkDrawItem1 = 0x0808;
constexpr UINT kFrameworkHelpF1 = 0x080D;
constexpr UINT kFrameworkDropOver = 0x080F;
constexpr UINT kFrameworkAsyncSelect = 0x0811;
constexpr UINT kFrameworkListClosed = 0x0812;    // a drop-down list closed
constexpr UINT kFrameworkTaskBar = 0x0813;
constexpr UINT kFrameworkDrawItem2 = 0x0818;

// Notification codes (the high word of WM_COMMAND's wParam) the dialog acts on.
constexpr int kNotifyClicked = 0;      // a click or a command: BN_CLICKED
constexpr int kNotifySelChange = 1;    // a list's choice changed: CBN_SELCHANGE, LBN_SELCHANGE
constexpr int kNotifyEditUpdate = 6;   // a combo box's text is about to show: CBN_EDITUPDATE
constexpr int kNotifyCloseUp = 8;      // a combo box's list closed: CBN_CLOSEUP

}  // namespace qvz::ui
