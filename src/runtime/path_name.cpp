#include "runtime/path_name.h"

namespace qvz::runtime {

std::size_t NameStart(const std::string& cPath) {
  const std::size_t nSeparator = cPath.find_last_of("\\/:");
  return nSeparator == std::string::npos ? 0 : nSeparator + 1;
}

}  // namespace qvz::runtime
