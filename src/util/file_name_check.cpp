#include "util/file_name_check.h"

#include <algorithm>
#include <string_view>

#include "util/blanks.h"

namespace qvz::util {
namespace {

constexpr std::string_view kForbidden = "\"*/:<>?\\|";

// The platform opens the device whatever extension follows its name, and
// also COM5 to COM9 and LPT4 to LPT9, so writing to any of these names
// would lose the data into a device: they are refused as well.
constexpr std::string_view kDevices[] = {"NUL",  "CON",  "PRN",  "AUX",  "COM1", "COM2", "COM3", "COM4",
                                         "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                         "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

bool IsForbidden(char c) { return static_cast<unsigned char>(c) < 32 || kForbidden.find(c) != kForbidden.npos; }

std::string Upper(std::string_view cText) {
  std::string cUpper(cText);
  for (char& c : cUpper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return cUpper;
}

}  // namespace

bool LFNFNAME(const std::string& cName) {
  const std::string cTrimmed = Upper(WithoutBlanksAtBothEnds(cName));
  if (cTrimmed.empty() || std::ranges::any_of(cTrimmed, IsForbidden)) return false;
  const std::string_view cBase = WithoutTrailingBlanks(std::string_view(cTrimmed).substr(0, cTrimmed.find('.')));
  return std::ranges::find(kDevices, cBase) == std::end(kDevices);
}

}  // namespace qvz::util
