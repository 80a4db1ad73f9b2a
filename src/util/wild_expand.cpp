#include "util/wild_expand.h"

#include "runtime/directory.h"

namespace qvz::util {

std::vector<std::string> WILDEXP(const std::vector<std::string>& aPatterns) {
  std::vector<std::string> aNames;
  for (const std::string& cPattern : aPatterns)
    for (const runtime::DirEntry& entry : runtime::DIRECTORY(cPattern, "H")) aNames.push_back(entry.cName);
  return aNames;
}

}  // namespace qvz::util
