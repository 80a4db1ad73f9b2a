#pragma once
// Answering another program's dialogs as its user would: wait until the
// dialog is on the screen, fill it in, confirm it and see it close.

#include <windows.h>

#include <string>

namespace qvz::tools {

// A dialog of the standard dialog class with this title, once it is shown:
// a dialog becomes visible only after it has initialised its controls, so
// nothing entered earlier can be overwritten by its own start. Null when
// none is shown within the time.
HWND WaitForShownDialog(const std::wstring& cTitle, DWORD nTimeoutMs);

// Sends the command of one of the dialog's buttons; true once the dialog is gone.
bool PressDialogButton(HWND hDlg, int nId, DWORD nTimeoutMs = 5000);

// Enters cName into a file prompt's name box and confirms it; true once the
// prompt is gone.
bool AnswerFilePrompt(HWND hPrompt, const std::wstring& cName, DWORD nTimeoutMs = 5000);

}  // namespace qvz::tools
