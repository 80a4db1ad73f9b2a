#pragma once
// Modal dialogs are found through a stack of (handle, object) pairs: the
// runner pushes the object before the platform creates the dialog, and the
// first message of the new dialog binds its handle to the newest entry.

#include <windows.h>

namespace qvz::ui {

class TWindow;

constexpr int kModalBindings = 50;

// Pushes the dialog about to be created; false (nothing pushed) when all 50
// entries are taken.
bool PushModalBinding(TWindow* oDlg);
// Pops the newest entry, when there is one.
void PopModalBinding();
// The object of a modal dialog's handle, binding it on first sight; null when none.
TWindow* FindModalBinding(HWND hDlg);

// The dialog procedure of every modal dialog.
INT_PTR CALLBACK ModalDialogProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam);

}  // namespace qvz::ui
