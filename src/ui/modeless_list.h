#pragma once
// The modeless dialogs that the pump offers each message to, so that their
// keyboard navigation works: 1500 slots of window handles.

#include <windows.h>

namespace qvz::ui {

bool REGDIALOG(HWND hWnd);    // false when every slot is taken
bool CANREGDIALOG();          // true when a slot is free
bool DEREGDIALOG(HWND hWnd);  // false when the handle is not in the list

// Offers a message to the modeless dialogs, the last one that took a message
// first; true when one took it.
bool OfferToModelessDialogs(MSG& msg);

// The procedure a modeless dialog is created with; it serves the dialog
// until the dialog is linked.
INT_PTR CALLBACK ModelessCreationProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam);

// The item height that creation answers WM_MEASUREITEM with; 0 for none.
int SetItemHeight(int nHeight);

}  // namespace qvz::ui
