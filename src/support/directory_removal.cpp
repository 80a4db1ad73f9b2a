#include "support/directory_removal.h"

#include <windows.h>

#include "runtime/directory.h"
#include "runtime/file_ops.h"
#include "runtime/platform_name.h"

namespace qvz::support {

void DELDIR(const std::string& cDir) {
  for (const auto& entry : runtime::DIRECTORY(cDir + "\\*.*", "RH"))
    if (!runtime::FERASE(cDir + "\\" + entry.cName)) return;
}

bool REMOVEDIR(const std::string& cDir) {
  return runtime::ByPlatformName(cDir, RemoveDirectoryA, RemoveDirectoryW);
}

}  // namespace qvz::support
