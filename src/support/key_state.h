#pragma once
// The support library's key query, as applications call it.

namespace qvz::support {

// True while the key (a virtual-key code: 27 ESC, 115 F4) is held down.
bool GETASYNCKEYSTATE(int nKey);

}  // namespace qvz::support
