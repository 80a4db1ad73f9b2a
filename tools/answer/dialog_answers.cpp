#include "dialog_answers.h"

#include "poll_until.h"

namespace qvz::tools {
namespace {

constexpr int kFileNameBox = 0x47C;     // the Explorer-style prompt's name box
constexpr int kOldFileNameBox = 0x480;  // the same in the older prompt

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
  HWND h = nullptr;
  const bool lShown =
      PollUntil([&] { return (h = FindWindowW(L"#32770", cTitle.c_str())) && IsWindowVisible(h); }, nTimeoutMs);
  return lShown ? h : nullptr;
}

bool PressDialogButton(HWND hDlg, int nId, DWORD nTimeoutMs) {
  if (!hDlg || !PostMessageW(hDlg, WM_COMMAND, static_cast<WPARAM>(nId), 0)) return false;
  return PollUntil([hDlg] { return !IsWindow(hDlg); }, nTimeoutMs);
}

bool AnswerFilePrompt(HWND hPrompt, const std::wstring& cName, DWORD nTimeoutMs) {
  HWND hName = GetDlgItem(hPrompt, kFileNameBox);
  if (!hName) hName = GetDlgItem(hPrompt, kOldFileNameBox);
  if (!hName || !SetWindowTextW(hName, cName.c_str()) || TextOf(hName) != cName) return false;
  return PressDialogButton(hPrompt, IDOK, nTimeoutMs);
}

}  // namespace qvz::tools
