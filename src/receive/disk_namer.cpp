#include "receive/disk_namer.h"

#include <sys/stat.h>

#include <cstdio>
#include <utility>

#include "receive/console.h"
#include "receive/image_file.h"
#include "receive/terminal.h"

namespace qvz::receive {

DiskNamer::DiskNamer(std::string cFolder, NamePattern oPattern, Terminal* pTerminal, int nInterruptFd,
                     Console& oConsole)
    : cFolder(std::move(cFolder)),
      oPattern(std::move(oPattern)),
      pTerminal(pTerminal),
      nInterruptFd(nInterruptFd),
      oConsole(oConsole) {}

bool DiskNamer::Exists(const std::string& cName) const {
  struct stat st {};
  return lstat((cFolder + "/" + cName).c_str(), &st) == 0;
}

int DiskNamer::NextFree() {
  while (Exists(oPattern.Name(nNext))) ++nNext;
  return nNext;
}

std::string DiskNamer::Save(const std::string& cData) {
  lInterrupted = false;
  return pTerminal ? SaveAsked(cData) : SaveUnasked(cData);
}

std::string DiskNamer::SaveUnasked(const std::string& cData) {
  for (;;) {
    const std::string cName = oPattern.Name(NextFree());
    const WriteResult r = WriteImageFile(cFolder, cName, cData, false);
    if (r.e == Written::kSaved) return cName;
    if (r.e == Written::kFailed) {
      oConsole.Line("Cannot write " + cName + ": " + r.cError);
      return {};
    }
    // Made by someone else since it was looked for: the next one.
  }
}

std::string DiskNamer::SaveAsked(const std::string& cData) {
  for (;;) {
    const std::string cProposed = oPattern.Name(NextFree());
    const std::optional<std::string> cAnswer = pTerminal->Ask("Name of the disk [" + cProposed + "]: ", nInterruptFd);
    if (!cAnswer) {
      lInterrupted = true;
      return {};
    }
    const std::string cName = cAnswer->find_first_not_of(" \t") == std::string::npos ? cProposed
                                                                                      : ImageFileName(*cAnswer);
    if (cName.find('/') != std::string::npos) {
      std::fputs(("A name without a folder, please: the disk goes into " + cFolder + "\n").c_str(), stderr);
      continue;
    }
    bool lReplace = false;
    if (Exists(cName)) {
      const std::optional<std::string> cYes = pTerminal->Ask(cName + " exists: replace it? [y/N] ", nInterruptFd);
      if (!cYes) {
        lInterrupted = true;
        return {};
      }
      if (*cYes != "y" && *cYes != "Y" && *cYes != "yes") continue;
      lReplace = true;
    }
    const WriteResult r = WriteImageFile(cFolder, cName, cData, lReplace);
    if (r.e == Written::kSaved) return cName;
    if (r.e == Written::kFailed) oConsole.Line("Cannot write " + cName + ": " + r.cError);
  }
}

}  // namespace qvz::receive
