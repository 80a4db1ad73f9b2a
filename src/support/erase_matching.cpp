#include "support/erase_matching.h"

#include "runtime/directory.h"
#include "runtime/file_ops.h"
#include "runtime/path_name.h"

namespace qvz::support {

void EraseMatching(const std::string& cPattern) {
  const std::string cDir = cPattern.substr(0, runtime::NameStart(cPattern));
  for (const auto& entry : runtime::DIRECTORY(cPattern)) runtime::FERASE(cDir + entry.cName);
}

}  // namespace qvz::support
