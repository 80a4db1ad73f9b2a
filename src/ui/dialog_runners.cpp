#include "ui/dialog_runners.h"

#include <cstring>
#include <memory>
#include <string>

#include "runtime/platform_name.h"
#include "ui/framework_cells.h"
#include "ui/modal_bindings.h"
#include "ui/modeless_list.h"

namespace qvz::ui {
namespace {

// A copy of a template in movable platform memory, locked for its lifetime.
class TemplateCopy {
 public:
  explicit TemplateCopy(const std::string& cTemplate)
      : hMem(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cTemplate.size())) {
    if (hMem) pData = GlobalLock(hMem);
    if (pData) std::memcpy(pData, cTemplate.data(), cTemplate.size());
  }
  ~TemplateCopy() {
    if (pData) GlobalUnlock(hMem);
    if (hMem) GlobalFree(hMem);
  }
  TemplateCopy(const TemplateCopy&) = delete;
  TemplateCopy& operator=(const TemplateCopy&) = delete;
  const DLGTEMPLATE* Get() const { return static_cast<const DLGTEMPLATE*>(pData); }

 private:
  HGLOBAL hMem;
  void* pData = nullptr;
};

// Holds the loop-running flag and the binding of the dialog being run for
// exactly the platform call, released in the reverse order of taking them.
class ModalRun {
 public:
  explicit ModalRun(TWindow* oDlg) : lWasRunning(SetLoopRunning(true)), lPushed(PushModalBinding(oDlg)) {}
  ~ModalRun() {
    if (lPushed) PopModalBinding();
    SetLoopRunning(lWasRunning);
  }
  ModalRun(const ModalRun&) = delete;
  ModalRun& operator=(const ModalRun&) = delete;

 private:
  bool lWasRunning;
  bool lPushed;
};

// The template copy is made under the wait cursor, which the previous one
// replaces before the dialog shows.
class WaitCursor {
 public:
  WaitCursor() : hPrevious(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(hPrevious); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR hPrevious;
};

int LowWord(INT_PTR nResult) { return static_cast<int>(static_cast<UINT_PTR>(nResult) & 0xFFFF); }

// A resource named by number is passed as the platform's integer resource form.
std::string NarrowName(const runtime::Value& cName) { return cName.AsText(); }
std::wstring WideName(const runtime::Value& cName) { return runtime::AnsiToWide(cName.AsText()); }
template <typename Char>
const Char* ResourceId(const runtime::Value& cName, const std::basic_string<Char>& cText) {
  if (cName.IsNumber()) return reinterpret_cast<const Char*>(static_cast<ULONG_PTR>(cName.AsInteger() & 0xFFFF));
  return cText.c_str();
}

// Templates are passed with a 16-bit length: a longer one is refused rather
// than handed over cut short.
bool UsableTemplate(const std::string& cTemplate) {
  return !cTemplate.empty() && cTemplate.size() <= 0xFFFF;
}

// Runs a modal dialog from a template with the platform's runner fRun (the
// 8-bit or the wide one): the copy is made under the wait cursor.
template <typename Runner>
int RunTemplate(Runner fRun, HINSTANCE hInstance, const std::string& cTemplate, HWND hOwner, TWindow* oDlg) {
  if (!UsableTemplate(cTemplate)) return 0;
  std::unique_ptr<TemplateCopy> oCopy;
  std::unique_ptr<ModalRun> oRun;
  {
    WaitCursor wait;
    oCopy = std::make_unique<TemplateCopy>(cTemplate);
    oRun = std::make_unique<ModalRun>(oDlg);
  }
  return LowWord(fRun(hInstance, oCopy->Get(), hOwner, ModalDialogProc, 0));
}

}  // namespace

int DIALOGBOX(HINSTANCE hResources, const runtime::Value& cResName, HWND hOwner, TWindow* oDlg) {
  ModalRun run(oDlg);
  std::string cName = NarrowName(cResName);
  return LowWord(DialogBoxParamA(hResources, ResourceId(cResName, cName), hOwner, ModalDialogProc, 0));
}

int DIALOGBOXW(HINSTANCE hResources, const runtime::Value& cResName, HWND hOwner, TWindow* oDlg) {
  ModalRun run(oDlg);
  std::wstring cName = WideName(cResName);
  return LowWord(DialogBoxParamW(hResources, ResourceId(cResName, cName), hOwner, ModalDialogProc, 0));
}

int DIALOGBOXINDIRECT(HINSTANCE hInstance, const std::string& cTemplate, HWND hOwner, TWindow* oDlg) {
  return RunTemplate(DialogBoxIndirectParamA, hInstance, cTemplate, hOwner, oDlg);
}

int DIALOGBOXINDIRECTW(HINSTANCE hInstance, const std::string& cTemplate, HWND hOwner, TWindow* oDlg) {
  return RunTemplate(DialogBoxIndirectParamW, hInstance, cTemplate, hOwner, oDlg);
}

HWND CREATEDLG(HINSTANCE hResources, const runtime::Value& cResName, HWND hOwner, TWindow*) {
  std::string cName = NarrowName(cResName);
  return CreateDialogParamA(hResources, ResourceId(cResName, cName), hOwner, ModelessCreationProc, 0);
}

HWND CREATEDLGW(HINSTANCE hResources, const runtime::Value& cResName, HWND hOwner, TWindow*) {
  std::wstring cName = WideName(cResName);
  return CreateDialogParamW(hResources, ResourceId(cResName, cName), hOwner, ModelessCreationProc, 0);
}

HWND CREATEDLGINDIRECT(HINSTANCE hInstance, const std::string& cTemplate, HWND hOwner, TWindow*) {
  if (!UsableTemplate(cTemplate)) return nullptr;
  TemplateCopy oCopy(cTemplate);
  return CreateDialogIndirectParamA(hInstance, oCopy.Get(), hOwner, ModelessCreationProc, 0);
}

HWND CREATEDLGINDIRECTW(HINSTANCE hInstance, const std::string& cTemplate, HWND hOwner, TWindow*) {
  if (!UsableTemplate(cTemplate)) return nullptr;
  TemplateCopy oCopy(cTemplate);
  return CreateDialogIndirectParamW(hInstance, oCopy.Get(), hOwner, ModelessCreationProc, 0);
}

bool ENDDIALOG(HWND hWnd, int nResult) {
  SetItemHeight(0);
  return EndDialog(hWnd, nResult) != FALSE;
}

}  // namespace qvz::ui
