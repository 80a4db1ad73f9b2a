#include "util/file_erase.h"

#include <windows.h>

#include "runtime/directory.h"
#include "runtime/file_ops.h"
#include "util/check_failure.h"
#include "util/disk_checks.h"

namespace qvz::util {
namespace {

// "X:" of the current directory, or "" when it has no drive letter.
std::string CurrentDrive() {
  char aDir[MAX_PATH];
  const DWORD n = GetCurrentDirectoryA(sizeof aDir, aDir);
  return n >= 2 && n < sizeof aDir && aDir[1] == ':' ? std::string(aDir, 2) : std::string();
}

}  // namespace

bool DELFILE(const std::string& cFile) {
  const std::string cDrive = cFile.size() >= 2 && cFile[1] == ':' ? cFile.substr(0, 2) : CurrentDrive();
  if (ISPROTECTED(cDrive) || ISREADONLY(cFile)) BreakOperation("DELFILE", cFile);
  return runtime::FERASE(cFile);
}

void DELROOT(const std::string& cDrive) {
  const auto aFiles = runtime::DIRECTORY(cDrive + "\\");
  if (ISPROTECTED(cDrive)) BreakOperation("DELROOT", cDrive);
  for (const runtime::DirEntry& entry : aFiles) {
    const std::string cFile = cDrive + "\\" + entry.cName;
    if (ISREADONLY(cFile)) BreakOperation("DELROOT", cFile);
    runtime::FERASE(cFile);
  }
}

}  // namespace qvz::util
