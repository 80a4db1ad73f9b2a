#pragma once
// The framework's dialog window: built by the platform's dialog manager from
// a template the object makes of itself and its controls, run modally or
// modelessly, with an init action, a start action run once at the first
// paint, and a close guard consulted by every way of ending it.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/cursor.h"
#include "ui/window.h"

namespace qvz::ui {

class TDialog : public TWindow {
 public:
  // The 25 construction arguments in their order; unset ones take defaults.
  struct NewArgs {
    std::optional<int> nTop, nLeft, nBottom, nRight;
    std::optional<std::string> cCaption;
    runtime::Value cResName;  // a resource template's name or number
    HINSTANCE hResources = nullptr;
    bool lVbx = false;
    std::optional<DWORD> nStyle;
    std::optional<COLORREF> nClrText, nClrBack;
    std::shared_ptr<TBrush> oBrush;
    TWindow* oWnd = nullptr;
    bool lPixels = false;
    std::optional<std::string> cIcon;  // an icon file, or an icon resource
    std::shared_ptr<TFont> oFont;
    std::optional<int> nHelpId;
    int nPixelRight = 0;   // replaces nRight, in pixels, when not 0
    int nPixelBottom = 0;  // replaces nBottom, in pixels, when not 0
    bool lTransparent = false;
    std::vector<COLORREF> aGradColors;
    std::string cVarName = "oDlg";
    std::optional<bool> lUnicode;
    std::optional<bool> lTruePixel;
    bool lResizable = false;
  };
  // The 11 activation arguments in their order.
  struct ActivateArgs {
    std::function<Value(int nRow, int nCol, WPARAM nFlags)> bLClicked;
    std::function<Value(TDialog&)> bMoved;
    std::function<Value(HDC, const PAINTSTRUCT&, TDialog&)> bPainted;
    bool lCentered = false;
    std::function<bool(TWindow&)> bValid;
    std::optional<bool> lModal;
    std::function<Value(TDialog&)> bInit;
    std::function<Value(int nRow, int nCol, WPARAM nFlags)> bRClicked;
    std::function<bool(TDialog&)> bWhen;
    bool lResize16 = false;
    bool lCenterInWnd = false;
  };

  TDialog() = default;
  explicit TDialog(const NewArgs& args) { New(args); }
  ~TDialog() override;

  TDialog& New(const NewArgs& args);
  // How many Activate calls are in progress, across all dialogs.
  static int nActivations();
  void Activate(ActivateArgs args);
  void Activate();
  // Ends the dialog with nEndResult (IDCANCEL when unset), consulting the guard.
  Value End(std::optional<int> nEndResult);
  Value End() override { return End(std::nullopt); }
  Value Initiate(WPARAM hFocus, HWND hDlg);
  Value Display();
  Value Paint() override;
  void SetControl(TWindow* oCtrl);
  void DefControl(TWindow* oCtrl) override;
  std::string cToChar(HWND hOwner);
  HWND GetItem(int nId) const { return GetDlgItem(hWnd, nId); }
  void SetFont(std::shared_ptr<TFont> oNewFont) override;
  bool UsesTruePixels() const override { return lTruePixel; }
  std::string ClassName() const override { return "TDIALOG"; }

  Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
  Value Close(WPARAM nEndResult) override;
  Value Command(WPARAM nWParam, LPARAM nLParam) override;
  Value SysCommand(WPARAM nType, LPARAM nLoHi) override;
  Value KeyDown(WPARAM nKey, LPARAM nFlags) override;
  Value KeyChar(WPARAM nKey, LPARAM nFlags) override;
  Value EraseBkGnd(HDC hDC) override;
  Value MouseMove(int nRow, int nCol, WPARAM nFlags) override;
  Value Help(WPARAM, LPARAM) override;
  Value GotFocus(HWND hPrev) override;
  Value LostFocus(HWND hNext) override;
  Value NcActivate(bool lActive) override;
  Value QueryEndSession() override;
  Value Destroy() override;

  bool lModal = false;
  std::function<void(const Value&)> bStart;  // called once, with nil, at the first paint
  bool lCentered = false, lCenterInWnd = false;
  bool lModify = false;
  std::optional<bool> lHelpIcon;
  bool lResize16 = false;
  bool lTransparent = false;
  runtime::Value cResName;
  HINSTANCE hResources = nullptr;
  std::string cResData;  // a ready-made template used instead of building one
  bool lTruePixel = false;
  bool lVisible = false;
  bool lVbx = false;
  bool lUnicode = false;
  bool lValidating = false;
  std::optional<std::string> cCaption;
  DWORD nStyle = 0;
  int nLastKey = 0;
  std::optional<int> nHelpId;
  std::vector<COLORREF> aGradColors;
  std::string cVarName;
  HICON hIcon = nullptr;  // owned when loaded from a file or resource
  std::optional<TCursor> oCursor;  // shown over the dialog while lHelpIcon is false

  std::function<Value(int, int, WPARAM)> bLClicked, bRClicked;
  std::function<Value(TDialog&)> bMoved;
  std::function<Value(HDC, const PAINTSTRUCT&, TDialog&)> bPainted;
  std::function<Value(TDialog&)> bInit;
  std::function<bool(TDialog&)> bWhen;
  std::function<Value(bool, TDialog&)> bNcActivate;
  std::function<Value(HDC)> bEraseBkGnd;
  std::function<Value(int, int, WPARAM)> bMMoved;

 private:
  bool CanEndOnEscape() const;
};

// Raises the error of a dialog that could not be created.
void CREATEDLGERROR(const TDialog& oDlg);

}  // namespace qvz::ui
