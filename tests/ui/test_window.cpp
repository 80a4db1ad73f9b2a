#include "test_window.h"

#include <cstring>
#include <vector>

namespace qvz::ui::test {
namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT nMsg, WPARAM, LPARAM) { return nMsg == WM_INITDIALOG; }

}  // namespace

UniqueWindow MakeWindow(DWORD nStyle, int nX, int nY, int nWidth, int nHeight, HWND hParent) {
  return UniqueWindow(CreateWindowExW(0, L"STATIC", L"", nStyle, nX, nY, nWidth, nHeight, hParent,
                                      nullptr, GetModuleHandleW(nullptr), nullptr));
}

UniqueWindow MakeDialog(const std::string& cTemplate) {
  // The platform wants the template on a 4-byte boundary.
  std::vector<DWORD> aAligned((cTemplate.size() + 3) / 4);
  std::memcpy(aAligned.data(), cTemplate.data(), cTemplate.size());
  return UniqueWindow(CreateDialogIndirectParamW(
      GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(aAligned.data()), nullptr,
      QuietDialogProc, 0));
}

}  // namespace qvz::ui::test
