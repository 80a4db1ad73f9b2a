#include "key_input.h"

#include <map>
#include <sstream>

namespace qvz::tools {
namespace {

void SendKey(WORD nKey, DWORD nFlags) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = nKey;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(nKey, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = nFlags;
  SendInput(1, &in, sizeof in);
  // The key state changes once the input has gone through the server.
  for (int i = 0; i < 200; ++i) {
    bool lDown = (GetAsyncKeyState(nKey) & 0x8000) != 0;
    if (lDown == !(nFlags & KEYEVENTF_KEYUP)) return;
    Sleep(5);
  }
}

}  // namespace

void PressKey(WORD nKey) { SendKey(nKey, 0); }
void ReleaseKey(WORD nKey) { SendKey(nKey, KEYEVENTF_KEYUP); }

std::vector<WORD> VirtualKeysNamed(const std::string& cNames) {
  static const std::map<std::string, WORD> mKeys{{"Escape", VK_ESCAPE}, {"alt", VK_MENU}, {"F4", VK_F4}};
  std::vector<WORD> aKeys;
  std::istringstream names(cNames);
  for (std::string cName; std::getline(names, cName, '+');) {
    auto it = mKeys.find(cName);
    if (it == mKeys.end()) return {};
    aKeys.push_back(it->second);
  }
  return aKeys;
}

}  // namespace qvz::tools
