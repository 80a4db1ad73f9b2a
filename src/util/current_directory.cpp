#include "util/current_directory.h"

#include <windows.h>

#include "util/file_services.h"

namespace qvz::util {
namespace {

// The program's current directory in UTF-16, which holds any name it may be.
std::wstring CurrentDirectory() {
  std::wstring wDir(GetCurrentDirectoryW(0, nullptr), L'\0');
  wDir.resize(GetCurrentDirectoryW(static_cast<DWORD>(wDir.size()), wDir.data()));
  return wDir;
}

}  // namespace

bool DIR(const std::string& cDir) {
  const std::wstring wSaved = CurrentDirectory();
  if (!SETCURDIR(cDir)) return false;
  SetCurrentDirectoryW(wSaved.c_str());
  return true;
}

std::string CURPATH(const std::string& cDrive) {
  // "C:" alone names the drive's current directory.
  const std::string cFull = FULLNAME(cDrive.empty() ? "." : cDrive.substr(0, 1) + ":");
  std::string cDir = cFull.size() > 3 && cFull[1] == ':' ? cFull.substr(3) : "";
  if (!cDir.empty() && cDir.back() == '\\') cDir.pop_back();
  return cDir.empty() ? "\\" : "\\" + cDir + "\\";
}

}  // namespace qvz::util
