#pragma once
// Keys pressed and released through the platform's input queue, as a user's
// are. Under Wine the key state lives in the Wine server: a key left down
// there stays down for every later program, even after the display server
// has let it go.

#include <windows.h>

#include <string>
#include <vector>

namespace qvz::tools {

// Each returns once the key state shows the change (a second at most).
void PressKey(WORD nKey);
void ReleaseKey(WORD nKey);

// The virtual keys of key names as xdotool writes them ("Escape",
// "alt+F4"); empty when a name is not known here.
std::vector<WORD> VirtualKeysNamed(const std::string& cNames);

}  // namespace qvz::tools
