#include "ui/modal_bindings.h"

#include <array>
#include <exception>
#include <utility>

#include "runtime/error_block.h"
#include "ui/window.h"

namespace qvz::ui {
namespace {

struct Binding {
  HWND hWnd = nullptr;
  TWindow* oDlg = nullptr;
};

// Grows from the end towards entry 0; nTop == kModalBindings means empty.
struct ModalBindings {
  std::array<Binding, kModalBindings> aEntries{};
  int nTop = kModalBindings;
};

ModalBindings& Bindings() {
  static ModalBindings oTable;
  return oTable;
}

}  // namespace

bool PushModalBinding(TWindow* oDlg) {
  ModalBindings& t = Bindings();
  if (t.nTop == 0) return false;
  t.aEntries[--t.nTop] = Binding{nullptr, oDlg};
  return true;
}

void PopModalBinding() {
  ModalBindings& t = Bindings();
  if (t.nTop < kModalBindings) t.aEntries[t.nTop++] = Binding{};
}

TWindow* FindModalBinding(HWND hDlg) {
  ModalBindings& t = Bindings();
  if (t.nTop == kModalBindings) return nullptr;
  for (int i = t.nTop; i < kModalBindings; ++i)
    if (t.aEntries[i].hWnd == hDlg) return t.aEntries[i].oDlg;
  Binding& top = t.aEntries[t.nTop];
  if (top.oDlg && !top.hWnd) {
    top.hWnd = hDlg;
    return top.oDlg;
  }
  return nullptr;
}

INT_PTR CALLBACK ModalDialogProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  try {
    TWindow* oDlg = FindModalBinding(hDlg);
    if (!oDlg) return 0;
    LPARAM l = nMsg == WM_INITDIALOG ? reinterpret_cast<LPARAM>(hDlg) : lParam;
    return oDlg->HandleEvent(nMsg, wParam, l).ToResult();
  } catch (...) {
    runtime::DeliverToErrorBlock(std::current_exception());
    return 0;
  }
}

}  // namespace qvz::ui
