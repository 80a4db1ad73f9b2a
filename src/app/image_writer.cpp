#include "app/image_writer.h"

#include <windows.h>

#include <variant>

#include "app/image_name.h"
#include "app/transfer_loop.h"
#include "protocol/image_layout.h"
#include "protocol/log_lines.h"
#include "runtime/file_case.h"
#include "runtime/file_error.h"
#include "runtime/file_ops.h"
#include "runtime/file_replace.h"
#include "runtime/proc_trace.h"
#include "runtime/system_message.h"
#include "support/popmsg.h"
#include "ui/file_prompt.h"

namespace qvz::app {
namespace {

std::string CurrentDirectory() {
  char aDir[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, aDir);
  return aDir;
}

// The chosen name, or "" when the user cancelled.
std::string AskForName() {
  ui::FilePromptArgs a;
  a.cFilter = "File QVZ (*.qvz)|*.qvz";
  a.cTitle = "Salva in";
  a.cInitDir = InitialDirectory(CurrentDirectory());
  a.lSave = true;
  return std::get<std::string>(ui::CGETFILE(a));
}

}  // namespace

std::string SAVE(const std::string& cImage, ui::TMultiGet* oLog) {
  runtime::ProcMark mark("SAVE", __LINE__);
  if (oLog && cImage.size() > protocol::kImageBytes)
    MESSAGE(*oLog, protocol::LeftOutLine(cImage.size()));
  const std::string cData = protocol::LayOutImage(cImage);
  for (;;) {
    mark.SetLine(__LINE__);
    std::string cName = AskForName();
    if (cName.empty()) return {};
    cName = WithImageExtension(cName);
    if (runtime::FILEEXISTS(cName) &&
        !support::POPMSG("Il file " + cName + " gi\xE0 esiste. Lo sovrascrivo?", 2).IsTrue())
      return {};
    mark.SetLine(__LINE__);
    if (runtime::REPLACEFILE(cName, cData)) return runtime::ApplyFileCase(cName);
    support::POPMSG("Impossibile scrivere il file " + cName + ".;" + runtime::SystemMessage(runtime::FERROR()), 1);
  }
}

}  // namespace qvz::app
