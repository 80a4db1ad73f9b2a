#include "support/error_message.h"

#include "runtime/proc_trace.h"

namespace qvz::support {

// Only the receiver's procedures mark themselves in the procedure trace, so
// its innermost frame is the procedure to name; the handler's own levels,
// which the search passes over (one more of them for "DBCMD" errors), are
// never in it.
std::string ERRORMESSAGE(const runtime::RuntimeError& oError) {
  std::string cText = oError.severity > 1 ? "Error " : "Warning ";
  cText.append(oError.subSystem).append("/").append(std::to_string(oError.subCode));
  cText.append("  ").append(oError.description);
  if (!oError.filename.empty())
    cText.append(": ").append(oError.filename);
  else if (!oError.operation.empty())
    cText.append(": ").append(oError.operation);
  const runtime::ProcPlace oPlace = runtime::ErrorPlace();
  cText.append(";Function: ").append(oPlace.cName).append("  Line: ").append(std::to_string(oPlace.nLine));
  return cText;
}

}  // namespace qvz::support
