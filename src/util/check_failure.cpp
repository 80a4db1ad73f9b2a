#include "util/check_failure.h"

#include "runtime/sequence_break.h"
#include "support/popmsg.h"
#include "support/shared_lock.h"

namespace qvz::util {

void TellCheckFailure(const std::string& cMessage) {
  support::SUNLOCK();
  support::POPMSG(cMessage, 1);
}

void BreakOperation(const std::string& cOperation, const std::string& cFile) {
  runtime::RuntimeError oError;
  oError.subSystem = "QVZ";
  oError.operation = cOperation;
  oError.filename = cFile;
  throw runtime::SequenceBreak{oError};
}

}  // namespace qvz::util
