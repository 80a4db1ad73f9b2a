#pragma once
// The support library's key query, as applications call it.

namespace qvz::support {

// The virtual-key codes the receiver asks about.
constexpr int kKeyEscape = 27;  // VK_ESCAPE
constexpr int kKeyF4 = 115;     // VK_F4

// True while the key (a virtual-key code) is held down.
bool GETASYNCKEYSTATE(int nKey);

}  // namespace qvz::support
