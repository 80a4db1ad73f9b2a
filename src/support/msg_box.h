#pragma once
// The modeless wait pop-up: a small dialog that stays on screen while the
// caller works, shows a text (or, in its printing form, a page count) and
// optionally a progress bar. While it is open, the window that was active
// when it opened is disabled. GUI thread only.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/gdi_objects.h"
#include "ui/progress_bar.h"

namespace qvz::support {

class TMsgBox {
 public:
  // Opens the pop-up: the plain form shows cMsg under cTitle ("Attendere"
  // when not given), with a progress bar from nMin to nMax when nMin is
  // given; the printing form shows the page count.
  TMsgBox(const std::optional<std::string>& cMsg, const std::optional<std::string>& cTitle,
          std::optional<int> nMin, std::optional<int> nMax, bool lPrint);
  // Destroys the dialog window if End has not.
  ~TMsgBox();
  TMsgBox(const TMsgBox&) = delete;
  TMsgBox& operator=(const TMsgBox&) = delete;

  // Enables the disabled window again and closes the pop-up.
  void End();
  // Replaces the text of the second control: the message, or the page number.
  void SetMsg(const std::string& cMsg);
  // Moves the progress bar to n, or to its upper end when n is at or above
  // it. Without a bar there is nothing to move.
  void SetPos(int n);

  ui::TDialog oDlg;
  ui::TProgress* oPrg = nullptr;  // one of aOwnedControls, or none
  HWND hWnd = nullptr;            // the window disabled while the pop-up is open
  int nPag = 1;                   // the page counter of the printing form

 private:
  void NewPlain(const std::optional<std::string>& cMsg, const std::string& cTitle,
                std::optional<int> nMin, std::optional<int> nMax);
  void NewPrinting();

  std::shared_ptr<ui::TFont> oFont;
  std::vector<std::unique_ptr<ui::TWindow>> aOwnedControls;
};

}  // namespace qvz::support
