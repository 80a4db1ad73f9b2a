#include "ui/framework_error.h"

#include <cstdio>
#include <exception>

#include "runtime/error_block.h"
#include "runtime/runtime_error.h"

namespace qvz::ui {

void RaiseFrameworkError(int nCode, const std::string& cDescription, const std::string& cOperation) {
  runtime::RuntimeError e;
  e.genCode = nCode;
  e.subCode = nCode;
  e.severity = 3;
  e.subSystem = "Korvane";
  e.description = cDescription;
  e.operation = cOperation;
  runtime::DeliverToErrorBlock(std::make_exception_ptr(e));
}

std::string IdOperation(int nId) {
  char aText[16];
  std::snprintf(aText, sizeof aText, "No: %6d", nId);
  return aText;
}

}  // namespace qvz::ui
