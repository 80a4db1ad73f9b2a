#include "ui/window_registry.h"

#include <exception>
#include <vector>

#include "runtime/error_block.h"
#include "ui/framework_cells.h"
#include "ui/window.h"

namespace qvz::ui {
namespace {

// Slot i holds the object of registry index i + 1; an unlinked slot holds
// null, so every other index stays as it is.
std::vector<TWindow*>& Registry() {
  static std::vector<TWindow*> aSlots;
  return aSlots;
}

TWindow* ObjectAt(int nIndex) {
  auto& aSlots = Registry();
  if (nIndex <= 0 || static_cast<size_t>(nIndex) > aSlots.size()) return nullptr;
  return aSlots[nIndex - 1];
}

LRESULT CallPrevious(WNDPROC nProc, HWND hWnd, UINT nMsg, WPARAM w, LPARAM l) {
  const bool lWide = UnicodeSwitch();
  if (nProc) return lWide ? CallWindowProcW(nProc, hWnd, nMsg, w, l) : CallWindowProcA(nProc, hWnd, nMsg, w, l);
  return lWide ? DefWindowProcW(hWnd, nMsg, w, l) : DefWindowProcA(hWnd, nMsg, w, l);
}

LRESULT CALLBACK SubclassProc(HWND hWnd, UINT nMsg, WPARAM w, LPARAM l) {
  try {
    const int nIndex = static_cast<int>(GetWindowLongPtrA(hWnd, GWLP_USERDATA) & 0xFFFF);
    TWindow* oWnd = ObjectAt(nIndex);
    if (!oWnd) return CallPrevious(nullptr, hWnd, nMsg, w, l);
    runtime::Value result = oWnd->HandleEvent(nMsg, w, l);
    if (!result.IsNil()) return result.ToResult();
    // The handler may have unlinked or ended the object: ask the registry again.
    TWindow* oStill = ObjectAt(nIndex);
    return CallPrevious(oStill == oWnd ? oWnd->nOldProc : nullptr, hWnd, nMsg, w, l);
  } catch (...) {
    runtime::DeliverToErrorBlock(std::current_exception());
    return 0;
  }
}

}  // namespace

TWindow* OWNDFROMHWND(HWND hWnd) {
  for (TWindow* oWnd : Registry())
    if (oWnd && oWnd->hWnd == hWnd) return oWnd;
  return nullptr;
}

WNDPROC XCHANGEPROC(HWND hWnd, int nIndex) {
  if (UnicodeSwitch()) {
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, nIndex);
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
  }
  SetWindowLongPtrA(hWnd, GWLP_USERDATA, nIndex);
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
}

WNDPROC RESTPROC(HWND hWnd, WNDPROC nProc) {
  LONG_PTR nNew = reinterpret_cast<LONG_PTR>(nProc);
  return reinterpret_cast<WNDPROC>(UnicodeSwitch() ? SetWindowLongPtrW(hWnd, GWLP_WNDPROC, nNew)
                                                   : SetWindowLongPtrA(hWnd, GWLP_WNDPROC, nNew));
}

int RegistryIndexOf(const TWindow* oWnd) {
  auto& aSlots = Registry();
  for (size_t i = 0; i < aSlots.size(); ++i)
    if (aSlots[i] == oWnd) return static_cast<int>(i + 1);
  return 0;
}

void TWindow::Link(bool lSubClass) {
  if (!hWnd) return;
  auto& aSlots = Registry();
  int nIndex = 0;
  for (size_t i = 0; i < aSlots.size() && !nIndex; ++i)
    if (!aSlots[i]) nIndex = static_cast<int>(i + 1);
  if (nIndex)
    aSlots[nIndex - 1] = this;
  else {
    aSlots.push_back(this);
    nIndex = static_cast<int>(aSlots.size());
  }
  if (lSubClass) nOldProc = XCHANGEPROC(hWnd, nIndex);
}

void TWindow::UnLink() {
  if (nOldProc && hWnd) {
    RESTPROC(hWnd, nOldProc);
    nOldProc = nullptr;
  }
  int nIndex = RegistryIndexOf(this);
  if (nIndex) Registry()[nIndex - 1] = nullptr;
}

}  // namespace qvz::ui
