#pragma once
// The base of the framework's controls: the window object of a child window
// of a dialog or window, with an identifier and a style, a variable of its
// owner reached through an accessor, colours given on its parent's request,
// and the parent's record of the control that has the focus.
//
// A control is listed in its parent's aControls and leaves that list when it
// is destroyed; the parent must outlive its controls.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "runtime/accessor.h"
#include "ui/window.h"

namespace qvz::ui {

class TControl : public TWindow {
 public:
  // Called after a user edit with the key and its flags (nil for a cut,
  // paste or clear request) and the control.
  using ChangeAction = std::function<Value(const Value& nKey, const Value& nFlags, TControl&)>;

  TControl() = default;
  ~TControl() override;

  // The next control identifier: 101, 102, ... up to 30000, then 100 again.
  static int GetNewId();

  Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
  // Takes the item nId of the dialog hDlg as the control's window and links it;
  // an identifier the dialog lacks is framework error 1.
  void Initiate(HWND hDlg) override;
  // Fills the parent's client area.
  void AdjClient() override;

  // Records the control as its parent's focused control; the platform's
  // window then shows its caret.
  Value GotFocus(HWND hPrev) override;
  // Focus loss; ends in LostFocus.
  virtual Value KillFocus(HWND hNext);
  // Escape goes to the parent's KeyDown; other keys as TWindow's.
  Value KeyDown(WPARAM nKey, LPARAM nFlags) override;
  // WM_PAINT: the platform's window paints itself.
  virtual Value Display() { return {}; }
  // The parent's colour request: sets the colours of hDC and returns the
  // handle of the brush to paint the background with.
  virtual Value Colors(HDC hDC);

  // The control's font: its own, else its parent's (one more user), else the
  // window's current one, else a new one of the system face; the window is
  // sent the font taken from the parent or made.
  std::shared_ptr<TFont> GetFont();
  std::string ClassName() const override { return "TCONTROL"; }
  // The window's whole text; "" without a window.
  std::string GetText() const;
  // The bound variable: nil without an accessor.
  Value VarGet() const;
  // Stores into the bound variable; nothing without an accessor.
  void VarPut(const Value& vNew);

  runtime::Accessor bSetGet;
  ChangeAction bChange;
  DWORD nStyle = 0;
  DWORD nExStyle = 0;
  bool lActive = true;       // enabled when linked
  bool lTransparent = false; // takes the parent's brush
  int nClientBevel = 0;      // inset when filling the parent
  bool lUpdate = false;
  std::function<bool()> bWhen;  // enable condition
  // The application's check of the control's value, kept with the control
  // as its cargo: true when the value is acceptable.
  std::function<bool(TControl&)> bCargoCheck;
  std::string cMsg;             // status text
  HCURSOR hCursor = nullptr;    // a shared cursor of the platform, not owned

 protected:
  // The control's item of its dialog's template, for a window of class cClass.
  std::string ItemRecord(const std::string& cClass, const std::string& cCaption);
  // Makes the window at once as a child of the parent's window, links it and
  // lists the control with the parent; framework error 6 when it cannot be made.
  void Create(const std::string& cClass);
  // Hands a message to the window's own procedure, bypassing the control.
  LRESULT CallOldProc(UINT nMsg, WPARAM nWParam, LPARAM nLParam);

 private:
  void TakeFont();
};

}  // namespace qvz::ui
