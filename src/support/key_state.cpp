#include "support/key_state.h"

#include "ui/async_key.h"

namespace qvz::support {

bool GETASYNCKEYSTATE(int nKey) { return ui::GETASYNCKEY(nKey); }

}  // namespace qvz::support
