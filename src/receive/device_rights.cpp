#include "receive/device_rights.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace qvz::receive {
namespace {

// Accounts are read from the files themselves, not through the C library's
// name services: the release binary is linked statically, and those services
// would then need the shared libraries of the exact C library it was built
// with. An account kept elsewhere (a directory service) is shown by number.
struct Group {
  std::string cName;
  std::vector<std::string> aMembers;
};

std::vector<std::string> Fields(const std::string& cLine, char cSeparator) {
  std::vector<std::string> a;
  std::stringstream s(cLine);
  for (std::string c; std::getline(s, c, cSeparator);) a.push_back(c);
  return a;
}

// The entry of the account file whose third field is nId.
std::vector<std::string> EntryWithId(const char* cFile, unsigned long nId) {
  std::ifstream in(cFile);
  for (std::string cLine; std::getline(in, cLine);) {
    std::vector<std::string> a = Fields(cLine, ':');
    if (a.size() >= 3 && a[2] == std::to_string(nId)) return a;
  }
  return {};
}

Group GroupWithId(gid_t nGid) {
  const std::vector<std::string> a = EntryWithId("/etc/group", nGid);
  if (a.empty()) return {std::to_string(nGid), {}};
  return {a[0], a.size() >= 4 ? Fields(a[3], ',') : std::vector<std::string>{}};
}

std::string UserName() {
  const std::vector<std::string> a = EntryWithId("/etc/passwd", getuid());
  if (!a.empty()) return a[0];
  const char* c = std::getenv("USER");
  return c ? c : std::to_string(getuid());
}

// The group is one this process runs with.
bool InGroup(gid_t nGid) {
  if (getegid() == nGid) return true;
  std::vector<gid_t> aGroups(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
  const int n = getgroups(static_cast<int>(aGroups.size()), aGroups.data());
  return n > 0 && std::find(aGroups.begin(), aGroups.begin() + n, nGid) != aGroups.begin() + n;
}

// The permissions as ls shows them: crw-rw----.
std::string ModeText(mode_t nMode) {
  std::string c = S_ISCHR(nMode) ? "c" : "-";
  const char* cLetters = "rwx";
  for (int nShift = 6; nShift >= 0; nShift -= 3)
    for (int i = 0; i < 3; ++i) c += (nMode >> (nShift + 2 - i)) & 1 ? cLetters[i] : '-';
  return c;
}

}  // namespace

std::string RightsMessage(const std::string& cDevice) {
  char aReal[PATH_MAX];
  const std::string cReal = realpath(cDevice.c_str(), aReal) ? aReal : cDevice;
  struct stat st {};
  stat(cReal.c_str(), &st);
  const Group oGroup = GroupWithId(st.st_gid);
  const std::string cUser = UserName();
  const std::string cShown = cReal == cDevice ? cDevice : cDevice + " (" + cReal + ")";
  std::string c = "You cannot open " + cShown + " for reading and writing: it belongs to group " + oGroup.cName + ".\n";
  if (InGroup(st.st_gid))
    return c + "You are in that group, but its members may not read and write it either (" + ModeText(st.st_mode) +
           ").\n";
  if (std::find(oGroup.aMembers.begin(), oGroup.aMembers.end(), cUser) != oGroup.aMembers.end())
    return c + "You were added to group " + oGroup.cName + " after you logged in: log out and in again.\n";
  return c + "Add yourself to it with:\n  sudo usermod -aG " + oGroup.cName + " " + cUser +
         "\nthen log out and in again: the new group counts from your next login.\n";
}

}  // namespace qvz::receive
