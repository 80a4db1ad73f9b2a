#include "support/access_variables.h"

namespace qvz::support {

AccessVariables& PublicAccess() {
  static AccessVariables variables;
  return variables;
}

void CreateAccessVariables() { PublicAccess() = AccessVariables(); }

}  // namespace qvz::support
