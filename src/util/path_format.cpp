#include "util/path_format.h"

#include <algorithm>

#include "util/blanks.h"
#include "util/file_services.h"

namespace qvz::util {
namespace {

std::string PaddedOrCut(std::string cText, int nWidth) {
  cText.resize(static_cast<std::size_t>(std::max(nWidth, 0)), ' ');
  return cText;
}

}  // namespace

std::string FULLPATH(const std::string& cFile) {
  const std::string cFull = FULLNAME(cFile);
  const std::size_t nSlash = cFull.rfind('\\');
  if (nSlash == std::string::npos) return {};
  const std::string cDir = cFull.substr(0, nSlash);
  return cDir.size() == 2 && cDir[1] == ':' ? cDir + "\\" : cDir;
}

std::string SHORTPATH(const std::string& cPath, int nWidth) {
  const std::string cTrimmed(WithoutTrailingBlanks(cPath));
  if (cTrimmed.empty() || static_cast<long long>(cTrimmed.size()) <= nWidth) return PaddedOrCut(cTrimmed, nWidth);
  std::string cDrive;
  int nRoom = nWidth;
  if (cTrimmed.front() != '\\') {
    cDrive = cTrimmed.substr(0, 2);
    nRoom -= 2;
  }
  const std::size_t nKeep = std::min(static_cast<std::size_t>(std::max(nRoom - 4, 0)), cTrimmed.size());
  std::string cTail = cTrimmed.substr(cTrimmed.size() - nKeep);
  const std::size_t nSlash = cTail.find('\\');
  if (nSlash != std::string::npos) cTail.erase(0, nSlash);
  return PaddedOrCut(cDrive + "\\..." + cTail, nWidth);
}

}  // namespace qvz::util
