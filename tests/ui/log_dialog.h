#pragma once
// The log as the receiver arranges it: made while its parent has no window,
// then taken from the item of a real dialog made from a template, linked and
// laid over the dialog's client area, with the keyboard focus.

#include <windows.h>

#include <string>
#include <vector>

#include "test_window.h"
#include "ui/multi_get.h"
#include "ui/window.h"

namespace qvz::ui::test {

// A parent window object that records the keys reaching its KeyDown.
class ProbeParent : public TWindow {
 public:
  Value KeyDown(WPARAM nKey, LPARAM) override {
    aKeys.push_back(nKey);
    return {};
  }
  std::vector<WPARAM> aKeys;
};

struct LogDialogOptions {
  bool lReadOnly = true;
  std::string cText;       // the bound variable's text before the dialog is made
  HWND hOwner = nullptr;   // owner of the dialog
};

class LogDialog {
 public:
  explicit LogDialog(const LogDialogOptions& oOptions = {});

  std::string cLog;  // the owner's variable
  ProbeParent oParent;
  TMultiGet oLog;
  UniqueWindow hDlg;
};

// The log's rectangle in its parent's client coordinates.
RECT PlacementOf(HWND hWnd);

}  // namespace qvz::ui::test
