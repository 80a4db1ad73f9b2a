#include "protocol/image_name.h"

namespace qvz::protocol {

std::string ExtensionOf(const std::string& cName) {
  std::string cPart = cName;
  if (auto nSlash = cName.rfind('\\'); nSlash != std::string::npos && nSlash + 1 < cName.size())
    cPart = cName.substr(nSlash + 1);
  else if (auto nColon = cName.find(':'); nColon != std::string::npos)
    cPart = cName.substr(nColon + 1);
  const auto nFirst = cPart.find_first_not_of(' ');
  if (nFirst == std::string::npos) return {};
  cPart = cPart.substr(nFirst, cPart.find_last_not_of(' ') - nFirst + 1);
  const auto nDot = cPart.rfind('.');
  return nDot == std::string::npos ? std::string() : cPart.substr(nDot + 1);
}

std::string WithImageExtension(const std::string& cName) {
  return ExtensionOf(cName).empty() ? cName + ".qvz" : cName;
}

}  // namespace qvz::protocol
