#pragma once
// The multi-line edit control: a platform EDIT window bound to a text
// variable of its owner. The text lives in the variable and in the window;
// the owner writes the two, and they are brought back in line by Initiate
// and Refresh (window from variable), and by Assign and the loss of the
// keyboard focus (variable from window).
//
// A read-only control takes no typing, Delete, cut, paste or clear, while
// the keys that move the caret or scroll, and Ctrl+C, work as the platform's
// window provides them.
//
// As a log, the control takes lines at the very end of its text (AppendLine):
// a line never replaces or splits what the window shows, and the user's
// caret and selection stay where they are, so that a selection can still be
// copied while lines arrive.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "ui/control.h"

namespace qvz::ui {

class TMultiGet : public TControl {
 public:
  // The construction arguments in their order; unset ones take the default shown.
  struct NewArgs {
    std::optional<int> nTop{}, nLeft{};  // in pixels of the parent: 0
    runtime::Accessor bSetGet{};
    TWindow* oWnd = nullptr;  // the framework's default window
    std::optional<int> nWidth{}, nHeight{};  // 200, 80
    std::shared_ptr<TFont> oFont{};          // the parent's, taken at linking
    bool lHScroll = false;
    std::optional<COLORREF> nClrText{}, nClrBack{};  // the platform's window text and window colours
    HCURSOR hCursor = nullptr;
    std::string cMsg{};
    bool lUpdate = false;
    std::function<bool()> bWhen{};
    bool lCenter = false;
    bool lRight = false;
    bool lReadOnly = false;
    std::function<bool(TWindow&)> bValid{};
    ChangeAction bChange{};
    bool lNoBorder = false;
    bool lNoVScroll = false;
  };

  // Registers with a parent that has no window yet, to be made with the
  // parent's dialog; makes the window at once when the parent has one.
  explicit TMultiGet(const NewArgs& args);

  std::string cToChar() override;
  std::string ClassName() const override { return "TMULTIGET"; }
  // Links the dialog's item, lifts the text limit and shows the variable.
  void Initiate(HWND hDlg) override;
  // The window shows the variable.
  void Refresh();
  // The variable takes the window's text.
  void Assign();
  // The caret: the start of the selection.
  int GetPos() const;
  // Puts the caret after the variable's text and scrolls to the last line.
  void GoBottom();
  // Adds cLine and a line break at the end of the variable and at the end of
  // the window's text. The user's caret and selection stay as they were; a
  // caret at the end of the text stays at the end, and the window then shows
  // the new line.
  void AppendLine(const std::string& cLine);

  Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
  Value GotFocus(HWND hPrev) override;
  Value LostFocus(HWND hNext) override;
  Value KeyDown(WPARAM nKey, LPARAM nFlags) override;
  Value KeyChar(WPARAM nKey, LPARAM nFlags) override;
  Value LButtonDown(int nRow, int nCol, WPARAM nFlags, bool lTouch) override;

  bool lReadOnly = false;
  bool lDelete = false;  // Delete allowed although read-only
  int nLen = 0;          // text limit given at linking; 0 for the platform's maximum

 private:
  // Posted by GotFocus: collapse the selection at the character wParam, or,
  // when lParam is not 0, at the end of the text as it is then.
  static constexpr UINT kCollapseSelection = WM_USER + 0x420;
  void LiftLimitAndShowVariable();
  // The window's selection, start and end, each counted in full.
  std::pair<int, int> Selection() const;
  // The length of the window's text.
  int TextEnd() const;
  // The character under a point of the client area.
  int CharIndexAt(int nX, int nY);
};

}  // namespace qvz::ui
