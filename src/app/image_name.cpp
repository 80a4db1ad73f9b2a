#include "app/image_name.h"

#include <cctype>

namespace qvz::app {

std::string InitialDirectory(const std::string& cCurrentDir) {
  if (cCurrentDir.size() >= 2 && cCurrentDir[1] == ':') {
    std::string cPath = cCurrentDir.substr(2);
    while (!cPath.empty() && cPath.front() == '\\') cPath.erase(0, 1);
    while (!cPath.empty() && cPath.back() == '\\') cPath.pop_back();
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(cCurrentDir[0])))) +
           ":\\" + cPath;
  }
  return cCurrentDir;  // a network path has no drive part
}

}  // namespace qvz::app
