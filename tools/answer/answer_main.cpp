// Answers the receiver as its user would, for scripts and benchmarks:
//
//   qvz-answer save NAME [TIMEOUT_MS]   waits for the save prompt, enters
//                                       NAME and confirms it
//   qvz-answer save-all PREFIX COUNT    answers COUNT prompts with PREFIX1,
//                                       PREFIX2, ...
//   qvz-answer picture FILE.png         saves a picture of the receiver's window
//   qvz-answer release KEY[+KEY...]     lets keys go in the Wine server too,
//                                       e.g. Escape after the program ended
//
// Exits 0 when done, 1 when the window did not come in time or did not
// take the answer.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dialog_answers.h"
#include "key_input.h"
#include "runtime/platform_name.h"
#include "window_picture.h"

namespace {

HWND FindReceiver() {
  struct Found {
    HWND h = nullptr;
  } found;
  EnumWindows(
      [](HWND h, LPARAM p) -> BOOL {
        char aTitle[128] = {};
        GetWindowTextA(h, aTitle, sizeof aTitle);
        if (std::string(aTitle).rfind("QVZ 1.00", 0) == 0) {
          reinterpret_cast<Found*>(p)->h = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.h;
}

int Save(const std::string& cName, DWORD nTimeoutMs) {
  HWND hDlg = qvz::tools::WaitForShownDialog(L"Salva in", nTimeoutMs);
  return hDlg && qvz::tools::AnswerFilePrompt(hDlg, qvz::runtime::AnsiToWide(cName)) ? 0 : 1;
}

int Release(const std::string& cKeys) {
  const std::vector<WORD> aKeys = qvz::tools::VirtualKeysNamed(cKeys);
  for (WORD nKey : aKeys) qvz::tools::ReleaseKey(nKey);
  return aKeys.empty() ? 2 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cVerb = argc > 1 ? argv[1] : "";
  if (cVerb == "save" && argc > 2) return Save(argv[2], argc > 3 ? std::atoi(argv[3]) : 60000);
  if (cVerb == "save-all" && argc > 3) {
    for (int i = 1; i <= std::atoi(argv[3]); ++i) {
      if (Save(argv[2] + std::to_string(i), 600000) != 0) return 1;
    }
    return 0;
  }
  if (cVerb == "release" && argc > 2) return Release(argv[2]);
  if (cVerb == "picture" && argc > 2) {
    HWND hMain = FindReceiver();
    return hMain && qvz::tools::SaveWindowPng(hMain, argv[2]) ? 0 : 1;
  }
  std::fprintf(stderr, "usage: qvz-answer save NAME [TIMEOUT_MS] | save-all PREFIX COUNT | picture FILE.png | release KEYS\n");
  return 2;
}
