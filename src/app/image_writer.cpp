#include "app/image_writer.h"

#include <windows.h>

#include <variant>

#include "app/image_name.h"
#include "app/transfer_loop.h"
#include "protocol/image_layout.h"
#include "runtime/file_case.h"
#include "runtime/file_error.h"
#include "runtime/file_ops.h"
#include "runtime/file_replace.h"
#include "runtime/proc_trace.h"
#include "support/popmsg.h"
#include "ui/file_prompt.h"

namespace qvz::app {
namespace {

std::string CurrentDirectory() {
  char aDir[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, aDir);
  return aDir;
}

// The system's description of an error code, without its line break.
std::string SystemMessage(int nCode) {
  char* pText = nullptr;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, static_cast<DWORD>(nCode), 0, reinterpret_cast<char*>(&pText), 0, nullptr);
  std::string c = n ? std::string(pText, n) : "Error " + std::to_string(nCode);
  if (pText) LocalFree(pText);
  while (!c.empty() && (c.back() == '\n' || c.back() == '\r' || c.back() == ' ')) c.pop_back();
  return c;
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
    MESSAGE(*oLog, "Image longer than 160 tracks: " + std::to_string(cImage.size() - protocol::kImageBytes) +
                       " received bytes left out");
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
    support::POPMSG("Impossibile scrivere il file " + cName + ".;" + SystemMessage(runtime::FERROR()), 1);
  }
}

}  // namespace qvz::app
