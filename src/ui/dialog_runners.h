#pragma once
// Running a dialog through the platform's dialog manager with the
// framework's dialog procedures: modally (the call returns when the dialog
// has ended) or modelessly (the call returns once the window exists).
// Dialogs come from an in-memory template, or from a template resource named
// by text or number.

#include <windows.h>

#include <string>

#include "runtime/value.h"

namespace qvz::ui {

class TWindow;

// What a modal runner returns when the dialog could not be created: the
// platform's -1 in 16 bits.
constexpr int kDialogNotCreated = 65535;

// Modal runners: the end code in 16 bits, kDialogNotCreated when the dialog
// could not be created; a template variant given an empty template returns
// 0 at once.
int DIALOGBOX(HINSTANCE hResources, const runtime::Value& cResName, HWND hOwner, TWindow* oDlg);
int DIALOGBOXW(HINSTANCE hResources, const runtime::Value& cResName, HWND hOwner, TWindow* oDlg);
int DIALOGBOXINDIRECT(HINSTANCE hInstance, const std::string& cTemplate, HWND hOwner, TWindow* oDlg);
int DIALOGBOXINDIRECTW(HINSTANCE hInstance, const std::string& cTemplate, HWND hOwner, TWindow* oDlg);

// Modeless runners: the new window (hidden by the creation procedure), or 0.
HWND CREATEDLG(HINSTANCE hResources, const runtime::Value& cResName, HWND hOwner, TWindow* oDlg);
HWND CREATEDLGW(HINSTANCE hResources, const runtime::Value& cResName, HWND hOwner, TWindow* oDlg);
HWND CREATEDLGINDIRECT(HINSTANCE hInstance, const std::string& cTemplate, HWND hOwner, TWindow* oDlg);
HWND CREATEDLGINDIRECTW(HINSTANCE hInstance, const std::string& cTemplate, HWND hOwner, TWindow* oDlg);

// Ends a modal dialog with nResult once control returns to its loop; also
// clears the item-height setting.
bool ENDDIALOG(HWND hWnd, int nResult);

}  // namespace qvz::ui
