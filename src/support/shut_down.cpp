#include "support/shut_down.h"

#include <string>

#include "runtime/file_ops.h"
#include "support/close_all.h"
#include "support/directory_removal.h"
#include "support/erase_matching.h"
#include "support/login_state.h"

namespace qvz::support {
namespace {

bool IsBlank(const std::string& cText) { return cText.find_first_not_of(' ') == std::string::npos; }

void ReleaseLogin() {
  const std::string cUser = SETUSER();
  if (IsBlank(cUser)) return;
  SETHUSER(runtime::UniqueHandle());
  // Without a user temporary directory the pattern would be "*.*" and
  // erase every file of the working directory: there is nothing to release.
  if (const std::string cTemp = SETTEMP(); !cTemp.empty()) {
    EraseMatching(cTemp + "*.*");
    REMOVEDIR(cTemp.ends_with('\\') ? cTemp.substr(0, cTemp.size() - 1) : cTemp);
  }
  // The user's settings file goes only where the shared lock table exists.
  if (runtime::FILEEXISTS("C:\\TARQ\\NET")) runtime::FERASE(cUser + ".USR");
}

}  // namespace

void ShutDown() {
  CLOSEALL();
  ReleaseLogin();
}

}  // namespace qvz::support
