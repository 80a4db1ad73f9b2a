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
  if (e.osCode == 21) return "Disco " + cFile + " non pronto.";
  if (e.osCode == 27 || e.osCode == 31) return "Disco " + cFile + " non formattato.";
  if (e.osCode == 19) return "Disco " + cFile + " protetto da scrittura.";
  if (e.osCode == 82) return "Directory " + cFile + " piena.";
  if (e.subCode == 2016) return "Spazio sul disco " + cFile + " insufficiente.";
  if (e.osCode == 5) return "Impossibile accedere al file " + cFile + ".";
  if (e.osCode == 3) return "Percorso " + cFile + " non trovato.";
  if (e.osCode == 2) return "Impossibile aprire il file " + cFile + ".";
  if (e.subCode == 1012 || e.genCode == 32) return "Il file " + cFile + " risulta corrotto.";
  if (e.genCode == 1001) return ERRORMESSAGE(e);
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
  if (oError.genCode == 5) return 0;
  if ((oError.genCode == 21 && oError.osCode == 32 && oError.canDefault) ||
      (oError.genCode == 40 && oError.canDefault)) {
    runtime::NETERR(true);
    return false;
  }
  ReportAndQuit(oError);
}

}  // namespace qvz::support
