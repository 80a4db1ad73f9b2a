#pragma once
// Runs a shell command on the host system from a test program under Wine.
// Wine starts host programs but cannot wait for them, so the command leaves
// its exit code in a file that the caller waits for.

#include <string>
#include <vector>

namespace qvz::test {

struct UnixResult {
  int nExitCode = -1;
  std::string cOutput;  // standard output and error together
};

// Runs cScript with /bin/sh and waits for it to end. Nothing it starts in the
// background may keep its output open: redirect such commands.
UnixResult RunUnix(const std::string& cScript);

// A host path as a Windows program names it (through drive Z:).
std::string WindowsPath(const std::string& cUnixPath);

// The host path of a Windows path, as Wine maps it ("" when it cannot).
std::string HostPath(const std::string& cWindowsPath);

// The names in a folder (a Windows path) as the host lists them, sorted by
// their bytes, which are UTF-8. Wine finds a file whatever the case of the
// name it is asked for, and so its own lookups cannot tell a name's case.
std::vector<std::string> HostNamesIn(const std::string& cWindowsFolder);

// A host environment variable; fails the calling test when it is missing.
std::string RequiredEnv(const char* cName);

}  // namespace qvz::test
