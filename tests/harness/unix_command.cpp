#include "harness/unix_command.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace qvz::test {
namespace {

std::string ReadFile(const std::string& cPath) {
  std::ifstream in(cPath, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace

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
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  const ULONGLONG nDeadline = GetTickCount64() + 30000;
  while (GetFileAttributesA(cDone.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (GetTickCount64() > nDeadline) {
      ADD_FAILURE() << "host command did not end: " << cScript;
      return {};
    }
    Sleep(1);
  }
  UnixResult result;
  result.nExitCode = std::atoi(ReadFile(cDone).c_str());
  result.cOutput = ReadFile(WindowsPath(cBase + ".out"));
  for (const char* cSuffix : {".rc", ".out", ".sh"}) DeleteFileA(WindowsPath(cBase + cSuffix).c_str());
  return result;
}

}  // namespace qvz::test
