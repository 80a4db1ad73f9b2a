#include "support/error_handler.h"

#include <windows.h>

#include <exception>
#include <optional>
#include <string>

#include "runtime/error_block.h"
#include "runtime/net_error.h"
#include "runtime/quit.h"
#include "runtime/sequence_break.h"
#include "support/error_message.h"
#include "support/error_report_mail.h"
#include "support/popmsg.h"
#include "support/shared_lock.h"

namespace qvz::support {
namespace {

using runtime::RuntimeError;
using runtime::Value;

std::string Upper(std::string c) {
  for (char& ch : c)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return c;
}

// The message of an error that abandons the failing operation, or none.
std::optional<std::string> AbandonMessage(const RuntimeError& e) {
  const std::string cFile = Upper(e.filename);
  const int nOs = e.osCode;
  if (nOs == ERROR_NOT_READY) return "Disco " + cFile + " non pronto.";
  if (nOs == ERROR_SECTOR_NOT_FOUND || nOs == ERROR_GEN_FAILURE) return "Disco " + cFile + " non formattato.";
  if (nOs == ERROR_WRITE_PROTECT) return "Disco " + cFile + " protetto da scrittura.";
  if (nOs == ERROR_CANNOT_MAKE) return "Directory " + cFile + " piena.";
  if (e.subCode == runtime::kSubDiskFull) return "Spazio sul disco " + cFile + " insufficiente.";
  if (nOs == ERROR_ACCESS_DENIED) return "Impossibile accedere al file " + cFile + ".";
  if (nOs == ERROR_PATH_NOT_FOUND) return "Percorso " + cFile + " non trovato.";
  if (nOs == ERROR_FILE_NOT_FOUND) return "Impossibile aprire il file " + cFile + ".";
  if (e.subCode == runtime::kSubCorruptTable || e.genCode == runtime::kGenCorruption)
    return "Il file " + cFile + " risulta corrotto.";
  if (e.genCode == runtime::kGenOleAutomation) return ERRORMESSAGE(e);
  return std::nullopt;
}

// An exception that is not a run-time error is reported as one of the base
// subsystem with its own description.
RuntimeError AsRuntimeError(std::exception_ptr pError) {
  try {
    if (pError) std::rethrow_exception(pError);
  } catch (const RuntimeError& e) {
    return e;
  } catch (const std::exception& e) {
    RuntimeError oError;
    oError.subSystem = "BASE";
    oError.description = e.what();
    return oError;
  } catch (...) {
  }
  RuntimeError oError;
  oError.subSystem = "BASE";
  oError.description = "Unknown error";
  return oError;
}

[[noreturn]] void ReportAndQuit(const RuntimeError& oError) {
  SUNLOCK();
  const std::string cReport = ERRORMESSAGE(oError);
  if (POPMSG(cReport + ";;Inviare rapporto di errore via email?", 2).IsTrue()) SendErrorReport(cReport);
  PostQuitMessage(0);
  // An error ended the program: its exit code says so to whoever started it.
  runtime::QUIT(1);
}

}  // namespace

void ERRORSYS() {
  runtime::SetErrorBlock([](std::exception_ptr pError) { return DEFERROR(AsRuntimeError(pError)); });
}

Value DEFERROR(const RuntimeError& oError) {
  if (auto cMessage = AbandonMessage(oError)) {
    SUNLOCK();
    POPMSG(*cMessage, 1);
    throw runtime::SequenceBreak{oError};
  }
  if (oError.genCode == runtime::kGenZeroDivisor) return 0;
  const bool lSharedOpen = oError.genCode == runtime::kGenOpenError && oError.osCode == ERROR_SHARING_VIOLATION;
  if ((lSharedOpen || oError.genCode == runtime::kGenAppendLock) && oError.canDefault) {
    runtime::NETERR(true);
    return false;
  }
  ReportAndQuit(oError);
}

}  // namespace qvz::support
