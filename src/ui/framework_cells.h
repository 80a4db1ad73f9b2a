#pragma once
// Framework-wide settings of the GUI thread. Setters return the previous value.

#include <windows.h>

namespace qvz::ui {

// True while a modal dialog runner or a main-window loop runs.
bool LWRUNNING();
bool SetLoopRunning(bool lRunning);

// Selects the wide (W) variants of the platform's message functions.
bool UnicodeSwitch();
bool SetUnicodeSwitch(bool lOn);

// The application main window: set only while it is still unset.
HWND GETWNDAPP();
void SETWNDAPP(HWND hWnd);

// The accelerator table the pumps translate with, if any.
HACCEL AcceleratorTable();
HACCEL SetAcceleratorTable(HACCEL hTable);

// Low 16 bits of the wParam of the last WM_CHAR a pump dispatched.
unsigned LastChar();
void SetLastChar(unsigned nChar);

}  // namespace qvz::ui
