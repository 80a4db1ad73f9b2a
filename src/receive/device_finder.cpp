#include "receive/device_finder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace qvz::receive {
namespace {

// The character devices in the folder (links followed), by name.
std::vector<std::string> DevicesIn(const std::string& cFolder) {
  std::vector<std::string> aNames;
  DIR* pDir = opendir(cFolder.c_str());
  if (!pDir) return aNames;
  while (const dirent* pEntry = readdir(pDir)) {
    const std::string cName = pEntry->d_name;
    struct stat st {};
    if (cName[0] != '.' && stat((cFolder + "/" + cName).c_str(), &st) == 0 && S_ISCHR(st.st_mode))
      aNames.push_back(cName);
  }
  closedir(pDir);
  std::sort(aNames.begin(), aNames.end());
  return aNames;
}

std::string Resolved(const std::string& cPath) {
  char aReal[PATH_MAX];
  return realpath(cPath.c_str(), aReal) ? aReal : cPath;
}

}  // namespace

std::string ByIdFolder() {
  const char* c = std::getenv("QVZ_BY_ID");
  return c && *c ? c : "/dev/serial/by-id";
}

FoundDevice FindDevice(const std::string& cFolder) {
  const std::vector<std::string> aNames = DevicesIn(cFolder);
  FoundDevice o;
  if (aNames.size() == 1) {
    o.cPath = cFolder + "/" + aNames[0];
    return o;
  }
  if (aNames.empty()) {
    o.cMessage = "No USB serial adapter is listed in " + cFolder + ".\n";
  } else {
    o.cMessage = std::to_string(aNames.size()) + " USB serial adapters are listed in " + cFolder + ":\n";
    for (const std::string& cName : aNames) o.cMessage += "  " + cName + " -> " + Resolved(cFolder + "/" + cName) + "\n";
  }
  o.cMessage += "Name the adapter to use with --device PATH.";
  return o;
}

}  // namespace qvz::receive
