#include "util/directory_tree.h"

#include <vector>

#include "runtime/directory.h"
#include "support/directory_removal.h"
#include "support/popmsg.h"
#include "ui/message_pump.h"
#include "util/file_attributes.h"
#include "util/file_copy.h"
#include "util/file_services.h"
#include "util/folder_link.h"

namespace qvz::util {
namespace {

bool Failed(const std::string& cMessage) {
  support::POPMSG(cMessage, 1);
  return false;
}

// The entries of the directory with those attribute letters, without "." and "..".
std::vector<runtime::DirEntry> EntriesOf(const std::string& cDir, const std::string& cAttributes) {
  std::vector<runtime::DirEntry> aEntries;
  for (auto& entry : runtime::DIRECTORY(cDir + "\\*.*", cAttributes))
    if (entry.cName != "." && entry.cName != "..") aEntries.push_back(std::move(entry));
  return aEntries;
}

bool IsDirectory(const runtime::DirEntry& entry) { return entry.cAttributes.find('D') != std::string::npos; }

bool CopyFolderTime(const std::string& cSource, const std::string& cTarget) {
  return SETFILEDATETIME(cSource, cTarget) ||
         Failed("Impossibile impostare data e ora della cartella " + cTarget + ".");
}

}  // namespace

bool COPYDIR(const std::string& cSource, const std::string& cTarget, std::optional<bool> lCreate) {
  if (lCreate.value_or(true) && !CREATEDIR(cTarget)) return Failed("Impossibile creare la cartella " + cTarget + ".");
  if (!CopyFolderTime(cSource, cTarget)) return false;
  for (const runtime::DirEntry& entry : EntriesOf(cSource, "RHD")) {
    const std::string cFrom = cSource + "\\" + entry.cName;
    const std::string cTo = cTarget + "\\" + entry.cName;
    if (IsDirectory(entry)) {
      // Leaving a link out keeps the copy to what lies inside the tree; a
      // copy of the link itself would need rights a user may not have.
      if (!IsFolderLink(cFrom) && !COPYDIR(cFrom, cTo)) return false;
    } else if (!COPYFILE(cFrom, cTo)) {
      return Failed("Impossibile copiare il file " + cFrom + ".");
    }
  }
  // Each entry made in the target moved its time: set it once more.
  return CopyFolderTime(cSource, cTarget);
}

bool DELETEDIR(const std::string& cDir, std::optional<bool> lRemove) {
  // An empty name would list the root of the current drive.
  if (cDir.empty()) return false;
  if (!IsFolderLink(cDir)) {
    for (const runtime::DirEntry& entry : EntriesOf(cDir, "RHSD")) {
      const std::string cPath = cDir + "\\" + entry.cName;
      if (IsDirectory(entry)) {
        if (!DELETEDIR(cPath)) return false;
        continue;
      }
      CLEARREADONLY(cPath);
      CLEARHIDDEN(cPath);
      if (!DELETEFILE(cPath)) return Failed("Impossibile cancellare il file " + cPath + ".");
      ui::SYSREFRESH();
    }
  }
  if (lRemove.value_or(true)) {
    CLEARREADONLY(cDir);
    CLEARHIDDEN(cDir);
    if (!support::REMOVEDIR(cDir)) return Failed("Impossibile cancellare la cartella " + cDir + ".");
  }
  return true;
}

}  // namespace qvz::util
