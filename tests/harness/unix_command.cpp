#include "harness/unix_command.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "harness/temp_folder.h"

namespace qvz::test {

std::string RequiredEnv(const char* cName) {
  char aValue[1024];
  DWORD n = GetEnvironmentVariableA(cName, aValue, sizeof aValue);
  if (n == 0 || n >= sizeof aValue) {
    ADD_FAILURE() << cName << " is not set: run the tests through scripts/test";
    return {};
  }
  return std::string(aValue, n);
}

std::string WindowsPath(const std::string& cUnixPath) {
  std::string cPath = "Z:" + cUnixPath;
  for (char& c : cPath)
    if (c == '/') c = '\\';
  return cPath;
}

std::string HostPath(const std::string& cWindowsPath) {
  using UnixFileName = char*(CDECL*)(LPCWSTR);
  static const auto fUnixName =
      reinterpret_cast<UnixFileName>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
  if (!fUnixName) return {};
  const std::wstring wPath(cWindowsPath.begin(), cWindowsPath.end());  // test paths are plain ASCII
  char* pUnix = fUnixName(wPath.c_str());
  if (!pUnix) return {};
  std::string cUnix = pUnix;
  HeapFree(GetProcessHeap(), 0, pUnix);
  return cUnix;
}

std::vector<std::string> HostNamesIn(const std::string& cWindowsFolder) {
  const std::string cFolder = HostPath(cWindowsFolder);
  EXPECT_FALSE(cFolder.empty()) << "no host path for " << cWindowsFolder;
  const UnixResult r = RunUnix("LC_ALL=C ls -A '" + cFolder + "'");
  EXPECT_EQ(r.nExitCode, 0) << r.cOutput;
  std::vector<std::string> aNames;
  std::istringstream in(r.cOutput);
  for (std::string cName; std::getline(in, cName);) aNames.push_back(cName);
  return aNames;
}

UnixResult RunUnix(const std::string& cScript) {
  static int nRun = 0;
  const std::string cBase = RequiredEnv("QVZ_TTY") + "/run-" +
                            std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++nRun);
  const std::string cDone = WindowsPath(cBase + ".rc");
  DeleteFileA(cDone.c_str());
  {
    std::ofstream script(WindowsPath(cBase + ".sh"), std::ios::binary);
    script << "exec >'" << cBase << ".out' 2>&1 </dev/null\n"
           << cScript << "\n"
           << "echo $? >'" << cBase << ".tmp' && mv '" << cBase << ".tmp' '" << cBase << ".rc'\n";
  }
  std::string cCommand = "/bin/sh " + cBase + ".sh";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, cCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    ADD_FAILURE() << "cannot start /bin/sh: error " << GetLastError();
    return {};
  }
  // Wine starts a host program without a Windows process: hProcess comes
  // back null and hThread holds whatever lay on the stack, at times the value
  // of a handle of this program (a port's, say), which closing it would
  // close. Only a process handle says that the two are real.
  if (pi.hProcess) {
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  const ULONGLONG nDeadline = GetTickCount64() + 30000;
  while (GetFileAttributesA(cDone.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (GetTickCount64() > nDeadline) {
      ADD_FAILURE() << "host command did not end: " << cScript;
      return {};
    }
    Sleep(1);
  }
  UnixResult result;
  result.nExitCode = std::atoi(ContentOf(cDone).c_str());
  result.cOutput = ContentOf(WindowsPath(cBase + ".out"));
  for (const char* cSuffix : {".rc", ".out", ".sh"}) DeleteFileA(WindowsPath(cBase + cSuffix).c_str());
  return result;
}

}  // namespace qvz::test
