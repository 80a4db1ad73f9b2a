#include "log_dialog.h"

#include "runtime/accessor.h"
#include "ui/message_pump.h"

namespace qvz::ui::test {

LogDialog::LogDialog(const LogDialogOptions& oOptions)
    : oLog({.nTop = 0,
            .nLeft = 0,
            .bSetGet = runtime::TextAccessor(cLog),
            .oWnd = &oParent,
            .lReadOnly = oOptions.lReadOnly}) {
  cLog = oOptions.cText;
  hDlg = MakeDialog(DialogHeader(1) + oLog.cToChar(), oOptions.hOwner);
  oParent.hWnd = hDlg.get();
  oParent.Link();
  oLog.Initiate(hDlg.get());
  oParent.oClient = &oLog;
  oParent.ReSize(SIZE_RESTORED, 0, 0);
  SetFocus(oLog.hWnd);
  SYSREFRESH();
}

RECT PlacementOf(HWND hWnd) {
  RECT r{};
  GetWindowRect(hWnd, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hWnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace qvz::ui::test
