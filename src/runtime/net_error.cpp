#include "runtime/net_error.h"

namespace qvz::runtime {

bool NETERR(std::optional<bool> lNew) {
  static bool lFlag = false;
  if (lNew) lFlag = *lNew;
  return lFlag;
}

}  // namespace qvz::runtime
