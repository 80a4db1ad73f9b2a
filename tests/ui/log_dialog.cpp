#include "log_dialog.h"

#include <cstring>

#include "runtime/accessor.h"
#include "ui/dialog_template.h"
#include "ui/message_pump.h"
#include "ui/messages.h"

namespace qvz::ui::test {
namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT nMsg, WPARAM, LPARAM) { return nMsg == WM_INITDIALOG; }

}  // namespace

UniqueWindow MakeDialogA(const std::string& cTemplate, HWND hOwner) {
  // The platform wants the template on a 4-byte boundary.
  std::vector<DWORD> aAligned((cTemplate.size() + 3) / 4);
  std::memcpy(aAligned.data(), cTemplate.data(), cTemplate.size());
  return UniqueWindow(CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                                 reinterpret_cast<const DLGTEMPLATE*>(aAligned.data()),
                                                 hOwner, QuietDialogProc, 0));
}

std::string DialogHeader(int nItems) {
  return CDLG2CHR(nItems, 0, 0, 120, 160, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
}

LogDialog::LogDialog(const LogDialogOptions& oOptions)
    : oLog({.nTop = 0,
            .nLeft = 0,
            .bSetGet = runtime::TextAccessor(cLog),
            .oWnd = &oParent,
            .lReadOnly = oOptions.lReadOnly}) {
  cLog = oOptions.cText;
  hDlg = MakeDialogA(DialogHeader(1) + oLog.cToChar(), oOptions.hOwner);
  oParent.hWnd = hDlg.get();
  oParent.Link();
  oLog.Initiate(hDlg.get());
  oParent.oClient = &oLog;
  oParent.ReSize(SIZE_RESTORED, 0, 0);
  SetFocus(oLog.hWnd);
  SYSREFRESH();
}

void AppendLine(TMultiGet& oLog, const std::string& cLine) {
  oLog.VarPut(oLog.VarGet().AsText() + cLine + "\r\n");
  SENDMESSAGE(oLog.hWnd, EM_REPLACESEL, 0, Value(cLine + "\r\n"));
}

RECT PlacementOf(HWND hWnd) {
  RECT r{};
  GetWindowRect(hWnd, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hWnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace qvz::ui::test
