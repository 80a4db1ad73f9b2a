#pragma once
// The window object: one per platform window, owned by the GUI thread.
// HandleEvent turns a message into a call of one virtual method; a method
// returns nil to let the platform's default (or the previous window
// procedure) act, and a value when it has handled the message. Subclasses
// override a method and fall back on TWindow's for what they do not handle.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/value.h"
#include "ui/gdi_objects.h"

namespace qvz::ui {

using runtime::Value;

class TWindow {
 public:
  TWindow() = default;
  virtual ~TWindow();
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  virtual Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam);

  // Registers the object for the subclass procedure and, when lSubClass,
  // puts that procedure in front of the window's own.
  void Link(bool lSubClass = true);
  void UnLink();

  // Message handlers, one per message of the dispatch table.
  virtual Value Destroy();
  virtual Value Moved(int nRow, int nCol) { return {}; }
  virtual Value ReSize(WPARAM nSizeType, int nWidth, int nHeight);
  virtual Value GotFocus(HWND hPrev);
  virtual Value LostFocus(HWND hNext);
  virtual Value BeginPaint();
  virtual Value Paint() { return {}; }
  virtual Value EndPaint();
  virtual Value Close(WPARAM nWParam) { return {}; }
  virtual Value QueryEndSession() { return {}; }
  virtual Value EraseBkGnd(HDC hDC) { return 1; }
  virtual Value OnSettingChange(WPARAM, LPARAM) { return {}; }
  virtual Value AppFocus(bool lActive) { return {}; }
  virtual Value GetMinMaxInfo(LPARAM) { return {}; }
  virtual Value DrawItem(WPARAM, LPARAM) { return {}; }
  virtual Value MeasureItem(WPARAM, LPARAM) { return {}; }
  virtual Value QueryDragIcon() { return {}; }
  virtual Value CommNotify(WPARAM nComm, LPARAM nStatus);
  virtual Value Notify(WPARAM, LPARAM) { return {}; }
  virtual Value Help(WPARAM, LPARAM) { return {}; }
  virtual Value OnDisplayChange(WPARAM, int, int) { return {}; }
  virtual Value NcActivate(bool) { return {}; }
  virtual Value GetDlgCode(WPARAM) { return {}; }
  virtual Value NcMouseMove(WPARAM, int, int) { return {}; }
  virtual Value KeyDown(WPARAM nKey, LPARAM nFlags);
  virtual Value KeyChar(WPARAM nKey, LPARAM nFlags);
  virtual Value Command(WPARAM, LPARAM) { return {}; }
  virtual Value SysCommand(WPARAM nType, LPARAM nLoHi);
  virtual Value Timer(WPARAM, LPARAM) { return {}; }
  virtual Value HScroll(WPARAM, LPARAM) { return {}; }
  virtual Value VScroll(WPARAM, LPARAM) { return {}; }
  virtual Value InitMenuPopup(WPARAM, int, bool) { return {}; }
  virtual Value HandleGesture(WPARAM, LPARAM) { return {}; }
  virtual Value MenuSelect(int, int, LPARAM) { return {}; }
  virtual Value MenuChar(int, int, LPARAM) { return {}; }
  virtual Value CtlColor(HWND hCtl, HDC hDC);
  virtual Value MouseMove(int nRow, int nCol, WPARAM nFlags) { return {}; }
  virtual Value LButtonDown(int nRow, int nCol, WPARAM nFlags, bool lTouch) { return {}; }
  virtual Value LButtonUp(int, int, WPARAM) { return {}; }
  virtual Value LDblClick(int, int, WPARAM) { return {}; }
  virtual Value RButtonDown(int, int, WPARAM) { return {}; }
  virtual Value RButtonUp(int, int, WPARAM) { return {}; }
  virtual Value MButtonDown(int, int, WPARAM) { return {}; }
  virtual Value MButtonUp(int, int, WPARAM) { return {}; }
  virtual Value MouseWheel(int nKeys, int nDelta, int nX, int nY) { return {}; }
  virtual Value OnDeviceChange(WPARAM, LPARAM) { return {}; }
  virtual Value DropFiles(WPARAM) { return {}; }
  virtual Value MouseLeave(int, int, WPARAM) { return {}; }
  virtual Value QueryNewPalette() { return {}; }
  virtual Value PaletteChanged(WPARAM) { return {}; }
  virtual Value DdeInitiate(WPARAM, int, int) { return {}; }
  virtual Value DdeTerminate(WPARAM) { return {}; }
  virtual Value DdeAck(WPARAM, LPARAM) { return {}; }
  virtual Value DdeExecute(WPARAM, LPARAM) { return {}; }
  virtual Value HelpF1() { return {}; }
  virtual Value DropOver(int, int, LPARAM) { return {}; }
  virtual Value AsyncSelect(WPARAM, LPARAM) { return {}; }
  virtual Value TaskBar(WPARAM, LPARAM) { return {}; }

  // Focus steps among the child controls.
  virtual Value GoNextCtrl(HWND hCtrl);
  virtual Value GoPrevCtrl(HWND hCtrl);

  // The close guard, and ending the window through it.
  virtual bool lValid();
  virtual Value End();

  // Geometry: the current size, or the stored rectangle while there is no
  // window; with a value, resize to it.
  int nWidth(std::optional<int> nNew = std::nullopt);
  int nHeight(std::optional<int> nNew = std::nullopt);
  void Move(std::optional<int> nNewTop, std::optional<int> nNewLeft, std::optional<int> nNewWidth,
            std::optional<int> nNewHeight, bool lRepaint = true);
  void SetSize(std::optional<int> nNewWidth, std::optional<int> nNewHeight, bool lRepaint = true);
  void CoorsUpdate();

  // Colours and the background brush; unset colours take the platform's
  // button text and face colours, an unset brush a solid one of the background.
  void SetColor(std::optional<COLORREF> nText = std::nullopt, std::optional<COLORREF> nBack = std::nullopt,
                std::shared_ptr<TBrush> oNewBrush = nullptr);
  // Takes the font (one more user), releases the previous one, and sends the
  // font to the window.
  virtual void SetFont(std::shared_ptr<TFont> oNewFont);
  // Registers a control created while this window has none yet.
  virtual void DefControl(TWindow* oCtrl);

  // A control's part in its dialog: its item of the dialog template, and its
  // set-up once the dialog window exists.
  virtual std::string cToChar() { return {}; }
  virtual void Initiate(HWND hDlg) {}
  // The control's identifier in its dialog; 0 for none.
  int nId = 0;
  // The class's name, in upper case, as the framework compares classes.
  virtual std::string ClassName() const { return "TWINDOW"; }

  Value PostMsg(UINT nMsg, WPARAM nWParam = 0, const Value& nLParam = Value(0));
  Value SendMsg(UINT nMsg, WPARAM nWParam = 0, const Value& nLParam = Value(0));

  HWND hWnd = nullptr;
  WNDPROC nOldProc = nullptr;  // the procedure before linking; null when not subclassed
  TWindow* oWnd = nullptr;     // parent or owner
  std::vector<TWindow*> aControls;
  TWindow* oClient = nullptr;  // the control that fills the client area
  int nTop = 0, nLeft = 0, nBottom = 0, nRight = 0;
  bool lFocused = false;
  HWND hCtlFocus = nullptr;
  TWindow* oCtlFocus = nullptr;
  HDC hDC = nullptr;  // during a paint
  PAINTSTRUCT cPS{};
  int nPaintCount = 0;
  Value Cargo;
  Value nResult;
  COLORREF nClrText = 0;
  COLORREF nClrPane = 0;
  std::shared_ptr<TBrush> oBrush;
  std::shared_ptr<TFont> oFont;

  std::function<Value(WPARAM nComm, LPARAM nStatus)> bCommNotify;
  std::function<bool(TWindow&)> bValid;
  std::function<Value(TWindow&, HWND hPrev)> bGotFocus;
  std::function<Value(TWindow&, HWND hNext)> bLostFocus;
  std::function<Value(WPARAM nSizeType, int nWidth, int nHeight)> bResized;
  std::function<Value(WPARAM nKey, LPARAM nFlags)> bKeyChar;
  std::function<Value(WPARAM nKey, LPARAM nFlags, TWindow&)> bKeyDown;
  std::function<void(TWindow&)> OnResize;
  std::function<void(TWindow&, WPARAM nKey, LPARAM nFlags)> OnKeyDown;

  // Lays a control over its parent's client area; called by the parent's ReSize.
  virtual void AdjClient() {}
  // Whether the controls of this window convert their pixels to dialog units
  // one to one rather than two to one.
  virtual bool UsesTruePixels() const { return false; }

 protected:
  // For a control going away: out of its parent's list of controls, and no
  // longer the parent's client or focused control.
  void LeaveParent();
};

}  // namespace qvz::ui
