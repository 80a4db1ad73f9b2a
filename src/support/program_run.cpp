#include "support/program_run.h"

#include "runtime/quit.h"
#include "support/error_handler.h"
#include "support/shut_down.h"
#include "support/start_up.h"

namespace qvz::support {

void RunProgram(const std::function<void()>& bEntry) {
  ERRORSYS();
  // Installed before anything can fail: a quit from here on, the error
  // report's included, runs it on the way out.
  runtime::SetShutDown(ShutDown);
  StartUp();
  bEntry();
  // Taken out first, so that a quit asked for while it runs ends the
  // process without running it again.
  if (runtime::ShutDown bProcedure = runtime::SetShutDown(nullptr)) bProcedure();
}

}  // namespace qvz::support
