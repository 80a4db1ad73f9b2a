#include "runtime/file_case.h"

#include "runtime/environment.h"
#include "runtime/path_name.h"

namespace qvz::runtime {

std::string ApplyFileCase(const std::string& cPath) {
  const std::string cCase = SET(SetItem::FileCase).AsText();
  if (cCase != "UPPER" && cCase != "LOWER") return cPath;
  std::string cResult = cPath;
  for (std::size_t i = NameStart(cPath); i < cResult.size(); ++i) {
    char& c = cResult[i];
    if (cCase == "UPPER" && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (cCase == "LOWER" && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return cResult;
}

}  // namespace qvz::runtime
