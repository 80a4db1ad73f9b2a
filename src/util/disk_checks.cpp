#include "util/disk_checks.h"

#include <windows.h>

#include "runtime/file_case.h"
#include "runtime/file_error.h"
#include "runtime/file_ops.h"
#include "support/popmsg.h"
#include "support/shared_lock.h"
#include "util/check_failure.h"
#include "util/current_directory.h"
#include "util/disk_services.h"
#include "util/file_services.h"

namespace qvz::util {
namespace {

constexpr int kOpenForWritingDenyingNone = 1 + 64;

bool HasReadOnlyBit(const std::string& cFile) {
  const int nAttributes = GETFILEATTRIBUTES(runtime::ApplyFileCase(cFile));
  return nAttributes != -1 && !(nAttributes & FILE_ATTRIBUTE_DIRECTORY) && (nAttributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

bool ISREADY(const std::string& cDrive, std::optional<bool> lShow) {
  // "" is the current drive, which is ready by being current.
  if (DIR(cDrive.empty() ? "." : cDrive)) return true;
  support::SUNLOCK();
  if (lShow.value_or(true)) support::POPMSG("Disco non pronto.", 1);
  return false;
}

bool ISPROTECTED(const std::string& cDrive) {
  if (!ISREADY(cDrive)) return true;
  const std::string cProbe = cDrive + std::string(8, '\x7F') + "." + std::string(3, '\x7F');
  if (!runtime::FCREATE(cProbe)) {
    TellCheckFailure("Disco protetto da scrittura.");
    return true;
  }
  runtime::FERASE(cProbe);
  return false;
}

bool ISREADONLY(const std::string& cFile) {
  const bool lDenied = !runtime::FOPEN(cFile, kOpenForWritingDenyingNone) && runtime::FERROR() == ERROR_ACCESS_DENIED;
  // The platform refuses writing to a file with the read-only bit, except to
  // an administrator on some systems, who may still open it for writing but
  // not erase it: the bit decides as well, so the answer is the same for all.
  if (!lDenied && !HasReadOnlyBit(cFile)) return false;
  TellCheckFailure("File non accessibile.");
  return true;
}

bool ISFULL(const std::string& cDrive, std::optional<long long> nBytes) {
  if (cDrive.empty()) return false;
  if (!ISREADY(cDrive)) return true;
  if (DISKFREESPACE(cDrive) >= nBytes.value_or(8192)) return false;
  TellCheckFailure("Spazio su disco insufficiente.");
  return true;
}

}  // namespace qvz::util
