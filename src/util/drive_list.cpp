#include "util/drive_list.h"

#include <windows.h>

#include "util/current_directory.h"
#include "util/disk_services.h"

namespace qvz::util {
namespace {

std::string DriveName(char cLetter) { return std::string(1, cLetter) + ":"; }

void AddRemovable(std::vector<std::string>& aDrives) {
  for (char c : {'A', 'B'})
    if (GETDRIVETYPE(DriveName(c) + "\\") == DRIVE_REMOVABLE) aDrives.push_back(DriveName(c));
}

void AddPresent(std::vector<std::string>& aDrives) {
  for (char c = 'C'; c <= 'Z'; ++c)
    if (GETDRIVETYPE(DriveName(c) + "\\") == DRIVE_CDROM || DIR(DriveName(c))) aDrives.push_back(DriveName(c));
}

}  // namespace

std::vector<std::string> ADISK(std::optional<int> nKind) {
  const int nAsked = nKind.value_or(0);
  std::vector<std::string> aDrives;
  if (nAsked == 0 || nAsked == 1) AddRemovable(aDrives);
  if (nAsked == 0 || nAsked == 2) AddPresent(aDrives);
  return aDrives;
}

}  // namespace qvz::util
