#include "dialog_answers.h"

namespace qvz::tools {
namespace {

constexpr int kFileNameBox = 0x47C;     // the Explorer-style prompt's name box
constexpr int kOldFileNameBox = 0x480;  // the same in the older prompt

bool GoneWithin(HWND hDlg, DWORD nTimeoutMs) {
  const ULONGLONG nEnd = GetTickCount64() + nTimeoutMs;
  while (IsWindow(hDlg)) {
    if (GetTickCount64() > nEnd) return false;
    Sleep(10);
  }
  return true;
}

// The text as the control itself tells it: GetWindowText would give only the
// caption of a window of another process, and a combo box has none.
std::wstring TextOf(HWND h) {
  std::wstring c(static_cast<size_t>(SendMessageW(h, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  c.resize(static_cast<size_t>(
      SendMessageW(h, WM_GETTEXT, static_cast<WPARAM>(c.size()), reinterpret_cast<LPARAM>(c.data()))));
  return c;
}

}  // namespace

HWND WaitForShownDialog(const std::wstring& cTitle, DWORD nTimeoutMs) {
  const ULONGLONG nEnd = GetTickCount64() + nTimeoutMs;
  for (;;) {
    HWND h = FindWindowW(L"#32770", cTitle.c_str());
    if (h && IsWindowVisible(h)) return h;
    if (GetTickCount64() > nEnd) return nullptr;
    Sleep(10);
  }
}

bool PressDialogButton(HWND hDlg, int nId, DWORD nTimeoutMs) {
  if (!hDlg || !PostMessageW(hDlg, WM_COMMAND, static_cast<WPARAM>(nId), 0)) return false;
  return GoneWithin(hDlg, nTimeoutMs);
}

bool AnswerFilePrompt(HWND hPrompt, const std::wstring& cName, DWORD nTimeoutMs) {
  HWND hName = GetDlgItem(hPrompt, kFileNameBox);
  if (!hName) hName = GetDlgItem(hPrompt, kOldFileNameBox);
  if (!hName || !SetWindowTextW(hName, cName.c_str()) || TextOf(hName) != cName) return false;
  return PressDialogButton(hPrompt, IDOK, nTimeoutMs);
}

std::wstring FromAnsi(const std::string& cText) {
  std::wstring c(cText.size(), L'\0');
  c.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, cText.data(), static_cast<int>(cText.size()),
                                                   c.data(), static_cast<int>(c.size()))));
  return c;
}

}  // namespace qvz::tools
