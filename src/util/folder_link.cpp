#include "util/folder_link.h"

#include <windows.h>

#include "util/file_services.h"

namespace qvz::util {

bool IsFolderLink(const std::string& cDir) {
  const int nAttributes = GETFILEATTRIBUTES(cDir);
  constexpr int kLink = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
  return nAttributes != -1 && (nAttributes & kLink) == kLink;
}

}  // namespace qvz::util
