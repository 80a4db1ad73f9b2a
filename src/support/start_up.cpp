#include "support/start_up.h"

#include <windows.h>

#include <string>

#include "runtime/directory.h"
#include "runtime/environment.h"
#include "runtime/platform_name.h"
#include "support/access_variables.h"
#include "support/directory_removal.h"
#include "support/erase_matching.h"
#include "support/error_mode.h"

namespace qvz::support {
namespace {

// Read in UTF-16 and named by the run time's name rule, so that a folder
// beyond the code page is still found.
std::string TempFolder() {
  const DWORD nSize = GetEnvironmentVariableW(L"TEMP", nullptr, 0);
  if (nSize == 0) return "";
  std::wstring wValue(nSize, L'\0');
  wValue.resize(GetEnvironmentVariableW(L"TEMP", wValue.data(), nSize));
  return runtime::NameFromPlatform(wValue);
}

// Without TEMP the pattern starts at "\", the root of the current drive.
void RemoveLeftoverFolders() {
  const std::string cTemp = TempFolder();
  for (const auto& entry : runtime::DIRECTORY(cTemp + "\\" "\x7F" "*.*", "D")) {
    const std::string cPath = cTemp + "\\" + entry.cName;
    DELDIR(cPath);
    REMOVEDIR(cPath);
  }
}

}  // namespace

void StartUp() {
  using runtime::SET;
  using runtime::SetItem;
  using runtime::Value;
  // No table layer exists yet: the table driver, its lock scheme, the memo
  // extension, CONFIRM, DELETED and MARGIN are kept as plain settings, so
  // that the one that comes finds them as the program set them.
  SET(SetItem::DefaultDriver, Value("DBFCDX"));
  SET(SetItem::DbfLockScheme, Value(4));
  SET(SetItem::MemoExtension, Value(".DBT"));
  runtime::SETCENTURY(Value("ON"));
  SET(SetItem::Confirm, Value("ON"));
  SET(SetItem::DateFormat, Value(runtime::SETCENTURY() ? "dd/mm/yyyy" : "dd/mm/yy"));
  SET(SetItem::Deleted, Value("ON"));
  SET(SetItem::Epoch, Value(1980));
  SET(SetItem::FileCase, Value("UPPER"));
  SET(SetItem::Margin, Value(5));
  CreateAccessVariables();
  EraseMatching("\x7F" "*.*");
  RemoveLeftoverFolders();
  SETERRORMODE(SEM_FAILCRITICALERRORS);
}

}  // namespace qvz::support
