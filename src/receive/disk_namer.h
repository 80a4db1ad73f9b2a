#pragma once
// Where each received disk is saved. On a terminal the user is asked for a
// name, the pattern's next free name proposed (Enter takes it), an existing
// file asked about; otherwise the disk takes the pattern's next free name
// and no file is ever replaced.

#include <string>

#include "receive/name_pattern.h"

namespace qvz::receive {

class Console;
class Terminal;

class DiskNamer {
 public:
  // pTerminal: where to ask; nullptr names every disk from the pattern.
  DiskNamer(std::string cFolder, NamePattern oPattern, Terminal* pTerminal, int nInterruptFd, Console& oConsole);

  // Writes the image file. Its name as saved, or "" when it was not saved;
  // Interrupted() tells whether Ctrl+C at a question was the reason.
  std::string Save(const std::string& cData);
  bool Interrupted() const { return lInterrupted; }

 private:
  std::string SaveUnasked(const std::string& cData);
  std::string SaveAsked(const std::string& cData);
  bool Exists(const std::string& cName) const;
  int NextFree();

  std::string cFolder;
  NamePattern oPattern;
  Terminal* pTerminal;
  int nInterruptFd;
  Console& oConsole;
  int nNext = 1;  // the pattern's numbers below it are taken
  bool lInterrupted = false;
};

}  // namespace qvz::receive
