#include "receive/options.h"

namespace qvz::receive {
namespace {

// The value of an option given as "--name VALUE" or "--name=VALUE"; false
// when arg is not that option. A missing value leaves cError set.
bool TakeValue(const std::string& cName, int argc, char** argv, int& i, std::string& cValue, std::string& cError) {
  const std::string cArg = argv[i];
  if (cArg.rfind(cName + "=", 0) == 0) {
    cValue = cArg.substr(cName.size() + 1);
    return true;
  }
  if (cArg != cName) return false;
  if (i + 1 >= argc) {
    cError = cName + " needs a value\n" + kUsage;
    return true;
  }
  cValue = argv[++i];
  return true;
}

}  // namespace

std::variant<Options, std::string> ParseOptions(int argc, char** argv) {
  Options o;
  bool lFolderGiven = false;
  bool lOthers = false;  // anything besides --find-device
  for (int i = 1; i < argc; ++i) {
    const std::string cArg = argv[i];
    std::string cError;
    if (TakeValue("--device", argc, argv, i, o.cDevice, cError)) {
      lOthers = true;
    } else if (TakeValue("--names", argc, argv, i, o.cPattern, cError)) {
      o.lNamesGiven = lOthers = true;
    } else if (cArg == "--find-device") {
      o.lFindDevice = true;
    } else if (cArg == "-h" || cArg == "--help") {
      o.lHelp = true;
    } else if (!cArg.empty() && cArg[0] == '-') {
      return "unknown option " + cArg + "\n" + kUsage;
    } else if (lFolderGiven) {
      return std::string(kUsage);
    } else {
      o.cFolder = cArg;
      lFolderGiven = lOthers = true;
    }
    if (!cError.empty()) return cError;
  }
  if (o.lFindDevice && lOthers) return std::string(kUsage);
  return o;
}

}  // namespace qvz::receive
