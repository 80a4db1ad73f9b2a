#include "receiver_process.h"

#include <gtest/gtest.h>


#include "dialog_answers.h"
#include "harness/temp_folder.h"
#include "harness/unix_command.h"
#include "key_input.h"
#include "poll_until.h"
#include "runtime/platform_name.h"

namespace qvz::app::testing {
namespace {

std::string WindowText(HWND h) {
  const LRESULT n = SendMessageA(h, WM_GETTEXTLENGTH, 0, 0);
  std::string c(static_cast<size_t>(n) + 1, '\0');
  SendMessageA(h, WM_GETTEXT, static_cast<WPARAM>(c.size()), reinterpret_cast<LPARAM>(c.data()));
  c.resize(static_cast<size_t>(n));
  return c;
}

}  // namespace

ReceiverProcess::ReceiverProcess(const std::string& cDir) {
  std::string cCommand = qvz::test::WindowsPath(QVZ_EXE);
  cCommand.insert(cCommand.begin(), '"');
  cCommand.push_back('"');
  STARTUPINFOA si{};
  si.cb = sizeof si;
  EXPECT_TRUE(CreateProcessA(nullptr, cCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, cDir.c_str(), &si, &pi))
      << GetLastError();
}

ReceiverProcess::~ReceiverProcess() {
  if (!pi.hProcess) return;
  if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
    ADD_FAILURE() << "qvz.exe still runs at the end of the test";
    TerminateProcess(pi.hProcess, 9);
    WaitForSingleObject(pi.hProcess, 5000);
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

HWND ReceiverProcess::WaitForMainWindow(DWORD nTimeoutMs) {
  tools::PollUntil(
      [&] {
        EnumWindows(
            [](HWND h, LPARAM p) -> BOOL {
              char a[128] = {};
              GetWindowTextA(h, a, sizeof a);
              if (std::string(a).rfind("QVZ 1.00", 0) != 0 || !IsWindowVisible(h)) return TRUE;
              *reinterpret_cast<HWND*>(p) = h;
              return FALSE;
            },
            reinterpret_cast<LPARAM>(&hMain));
        return hMain != nullptr;
      },
      nTimeoutMs);
  return hMain;
}

std::string ReceiverProcess::Caption() { return WindowText(hMain); }

std::string ReceiverProcess::LogText() {
  HWND hLog = GetDlgItem(hMain, 101);
  return hLog ? WindowText(hLog) : std::string();
}

bool ReceiverProcess::WaitForLog(const std::string& cText, DWORD nTimeoutMs) {
  return tools::PollUntil([&] { return LogText().find(cText) != std::string::npos; }, nTimeoutMs);
}

bool ReceiverProcess::WaitForDisksDone(size_t nDisks, DWORD nTimeoutMs) {
  return tools::PollUntil([&] { return Count(LogText(), "Waiting data (ESC to exit)...\r\n") >= nDisks + 1; }, nTimeoutMs);
}

int ReceiverProcess::WaitForExit(DWORD nTimeoutMs) {
  if (WaitForSingleObject(pi.hProcess, nTimeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD nCode = 0;
  GetExitCodeProcess(pi.hProcess, &nCode);
  return static_cast<int>(nCode);
}

// Keys go through the display server, as a user's do: the program's window
// takes its key state from there, so a key injected only into Wine would
// read as up again once the window has the focus.
void ReceiverProcess::EndWithEscape(qvz::test::FarEnd* oFar, DWORD nTimeoutMs) {
  PressKeys("Escape");
  if (oFar) {
    EXPECT_EQ(oFar->Read(1, 5000), "\x09");
  }
  EXPECT_EQ(WaitForExit(nTimeoutMs), 0);
  ReleaseKeys("Escape");
  if (oFar) {
    EXPECT_EQ(oFar->Read(1, 300), "");  // exactly one TAB
  }
}

void PressKeys(const std::string& cKeys) {
  EXPECT_EQ(qvz::test::RunUnix("xdotool keydown " + cKeys).nExitCode, 0);
}

// The display server lets the keys go, and so does the Wine server: a key
// released after the program's window has gone reaches no Wine window, and
// the Wine server would keep it down for the next program.
void ReleaseKeys(const std::string& cKeys) {
  EXPECT_EQ(qvz::test::RunUnix("xdotool keyup " + cKeys).nExitCode, 0);
  const std::vector<WORD> aKeys = tools::VirtualKeysNamed(cKeys);
  EXPECT_FALSE(aKeys.empty()) << "no virtual keys for " << cKeys;
  for (WORD nKey : aKeys) {
    tools::ReleaseKey(nKey);
    EXPECT_FALSE(GetAsyncKeyState(nKey) & 0x8000) << "key " << nKey << " still down";
  }
}

size_t Count(const std::string& cText, const std::string& cPart) {
  size_t n = 0;
  for (size_t i = cText.find(cPart); i != std::string::npos; i = cText.find(cPart, i + 1)) ++n;
  return n;
}

bool Holds(const std::string& cPath, const std::string& cExpected) {
  return GetFileAttributesA(cPath.c_str()) != INVALID_FILE_ATTRIBUTES && qvz::test::ContentOf(cPath) == cExpected;
}

HWND WaitForDialog(const char* cTitle, DWORD nTimeoutMs) {
  return tools::WaitForShownDialog(runtime::AnsiToWide(cTitle), nTimeoutMs);
}

std::string DialogText(HWND hDlg) {
  std::string cText;
  for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    char aClass[32] = {};
    GetClassNameA(h, aClass, sizeof aClass);
    if (lstrcmpiA(aClass, "Static") == 0) {
      std::string c = WindowText(h);
      if (!c.empty()) cText += (cText.empty() ? "" : "\n") + c;
    }
  }
  return cText;
}

void AnswerSavePrompt(HWND hPrompt, const std::string& cName) {
  EXPECT_TRUE(hPrompt && tools::AnswerFilePrompt(hPrompt, runtime::AnsiToWide(cName)))
      << "the save prompt did not take " << cName;
}

void PressButton(HWND hDlg, int nId) {
  EXPECT_TRUE(tools::PressDialogButton(hDlg, nId)) << "no dialog closed with button " << nId;
}

void CancelDialog(HWND hDlg) { PressButton(hDlg, IDCANCEL); }

}  // namespace qvz::app::testing
