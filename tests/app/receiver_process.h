#pragma once
// The built qvz.exe run as a separate process in a folder of its own, and
// the ways a user deals with it: its window and log, the save prompt, the
// questions it asks, ESC.

#include <windows.h>

#include <string>

#include "harness/pty_pair.h"

namespace qvz::app::testing {

class ReceiverProcess {
 public:
  // Starts qvz.exe in cDir.
  explicit ReceiverProcess(const std::string& cDir);
  ~ReceiverProcess();
  ReceiverProcess(const ReceiverProcess&) = delete;
  ReceiverProcess& operator=(const ReceiverProcess&) = delete;

  // The main window once it shows (null after the timeout).
  HWND WaitForMainWindow(DWORD nTimeoutMs = 10000);
  std::string Caption();
  std::string LogText();
  // Waits until the log holds cText.
  bool WaitForLog(const std::string& cText, DWORD nTimeoutMs = 10000);
  // Waits until the receiver has dealt with nDisks disks and waits for the
  // next one: its log then holds the waiting line nDisks + 1 times. Only then
  // may a test open an image: the receiver cannot replace a file that
  // another program holds open.
  bool WaitForDisksDone(size_t nDisks, DWORD nTimeoutMs = 30000);
  // Waits for the program to end; its exit code, or -1 after the timeout.
  int WaitForExit(DWORD nTimeoutMs = 10000);
  // Ends the program as a user does: ESC held down (typed into the log)
  // until the program has gone, then released. Expects a clean exit within
  // nTimeoutMs and, with the far end of the line given, exactly one TAB byte
  // sent to the remote machine.
  void EndWithEscape(qvz::test::FarEnd* oFar = nullptr, DWORD nTimeoutMs = 10000);

  HANDLE Process() const { return pi.hProcess; }

  HWND hMain = nullptr;

 private:
  PROCESS_INFORMATION pi{};
};

// How many times cPart stands in cText.
size_t Count(const std::string& cText, const std::string& cPart);
// Whether the file holds exactly cExpected (no dump of a long image on failure).
bool Holds(const std::string& cPath, const std::string& cExpected);

// Holds and releases keys as a user does, e.g. "Escape" or "alt+F4".
void PressKeys(const std::string& cKeys);
void ReleaseKeys(const std::string& cKeys);

// Waits for a shown dialog box of the title (any process); null after the timeout.
HWND WaitForDialog(const char* cTitle, DWORD nTimeoutMs = 10000);
// The static texts of a message box, joined by line breaks.
std::string DialogText(HWND hDlg);
// Types cName into the save prompt and confirms it, or cancels it; each
// fails the test when the dialog does not close.
void AnswerSavePrompt(HWND hPrompt, const std::string& cName);
void CancelDialog(HWND hDlg);
void PressButton(HWND hDlg, int nId);

}  // namespace qvz::app::testing
