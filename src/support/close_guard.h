#pragma once
// The support library's close guard for dialogs: a dialog's valid action
// calls __VALID, and a false result keeps the dialog open.

namespace qvz::ui {
class TDialog;
class TFolder;
}

namespace qvz::support {

// Cargo unset or 2 (cancel): true at once unless lAsk; with lAsk and changes
// in the dialog, asks "Annullo le modifiche?". Any other Cargo (confirm):
// every control of the dialog and of its folder pages must be acceptable.
// A call made while another is under way (from the message box it shows)
// is refused.
bool __VALID(ui::TDialog& oDlg, bool lAsk);

// True when every control of the dialog or page is acceptable; a control
// that is not gets the focus and flashes red while its message is shown.
bool __VALID2(ui::TDialog& oDlg);

// Sets the dialog's lModify when a page of one of its folders holds changes.
void UPDATEMODIFY(ui::TDialog& oDlg);

// Clears lModify of every page of the folder.
void RESETMODIFY(ui::TFolder& oFolder);

}  // namespace qvz::support
