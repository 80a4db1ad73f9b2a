#include "harness/box_answerer.h"

#include <algorithm>
#include <utility>

namespace qvz::test {
namespace {

std::string ClassOf(HWND hWnd) {
  char aName[64] = {};
  GetClassNameA(hWnd, aName, sizeof aName);
  return aName;
}

std::string TextOf(HWND hWnd) {
  char aText[2048] = {};
  GetWindowTextA(hWnd, aText, sizeof aText);
  return aText;
}

struct Search {
  DWORD nProcessId;
  const std::string* cTitle;
  HWND hFound = nullptr;
};

BOOL CALLBACK MatchBox(HWND hWnd, LPARAM lParam) {
  auto& s = *reinterpret_cast<Search*>(lParam);
  DWORD nProcess = 0;
  GetWindowThreadProcessId(hWnd, &nProcess);
  if (nProcess == s.nProcessId && IsWindowVisible(hWnd) && ClassOf(hWnd) == "#32770" &&
      TextOf(hWnd) == *s.cTitle) {
    s.hFound = hWnd;
    return FALSE;
  }
  return TRUE;
}

struct ButtonAt {
  int nLeft;
  int nId;
};

}  // namespace

BoxAnswerer::BoxAnswerer(DWORD nProcessId, std::string cTitle, UserAnswer oAnswer,
                         std::function<bool()> bCheck)
    : nProcessId(nProcessId), cTitle(std::move(cTitle)), oAnswer(oAnswer), bCheck(std::move(bCheck)),
      oThread([this] { Run(); }) {}

BoxAnswerer::~BoxAnswerer() {
  if (oThread.joinable()) oThread.join();
}

const SeenBox& BoxAnswerer::Seen() {
  if (oThread.joinable()) oThread.join();
  return oSeen;
}

void BoxAnswerer::Run() noexcept {
  Search s{nProcessId, &cTitle};
  for (int i = 0; i < 3000 && !s.hFound; ++i) {
    EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&s));
    if (!s.hFound) Sleep(10);
  }
  if (!s.hFound) return;
  const HWND hBox = s.hFound;
  oSeen.lFound = true;
  oSeen.hOwner = GetWindow(hBox, GW_OWNER);
  std::vector<ButtonAt> aButtons;
  for (HWND h = GetWindow(hBox, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    if (!IsWindowVisible(h)) continue;
    const std::string cClass = ClassOf(h);
    const LONG nStyle = GetWindowLongA(h, GWL_STYLE);
    if (lstrcmpiA(cClass.c_str(), "Button") == 0) {
      RECT r;
      GetWindowRect(h, &r);
      aButtons.push_back({r.left, GetDlgCtrlID(h)});
      if ((nStyle & 0x0F) == BS_DEFPUSHBUTTON) oSeen.nDefault = GetDlgCtrlID(h);
    } else if (lstrcmpiA(cClass.c_str(), "Static") == 0 && (nStyle & 0x1F) != SS_ICON) {
      std::string cText = TextOf(h);
      if (!cText.empty()) oSeen.cText = cText;
    }
  }
  std::sort(aButtons.begin(), aButtons.end(), [](auto& a, auto& b) { return a.nLeft < b.nLeft; });
  for (const ButtonAt& b : aButtons) oSeen.aButtons.push_back(b.nId);
  if (bCheck) oSeen.lCheck = bCheck();
  if (oAnswer.nKind == UserAnswer::Button)
    PostMessageA(GetDlgItem(hBox, oAnswer.nCode), BM_CLICK, 0, 0);
  else
    PostMessageA(hBox, WM_KEYDOWN, static_cast<WPARAM>(oAnswer.nCode), 1);
}

}  // namespace qvz::test
