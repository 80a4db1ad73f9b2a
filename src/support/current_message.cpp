#include "support/current_message.h"

#include <utility>

namespace qvz::support {
namespace {

std::optional<std::string>& CurMsg() {
  static std::optional<std::string> cCurMsg;
  return cCurMsg;
}

}  // namespace

std::optional<std::string> CURMSG() { return CurMsg(); }

void SetCurMsg(std::optional<std::string> cMsg) { CurMsg() = std::move(cMsg); }

}  // namespace qvz::support
