// A program that meets an unexpected error, for the tests of the error
// report: the report ends it, so it runs in a process of its own.
//   error_report_child in-procedure   the error arises in ATTENDI, line 312,
//                                     inside the program's run as qvz.exe has it
//   error_report_child before-entry   the error arises before any procedure
// It prints "went on" if the program were to continue after the error.

#include <cstdio>
#include <cstring>

#include "runtime/error_block.h"
#include "runtime/proc_trace.h"
#include "support/error_handler.h"
#include "support/program_run.h"

namespace {

qvz::runtime::RuntimeError Unexpected() {
  qvz::runtime::RuntimeError e;
  e.genCode = 2;
  e.subCode = 1132;
  e.subSystem = "BASE";
  e.description = "Bound error & more; #1 at 100%41";
  e.operation = "array access";
  return e;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "in-procedure") == 0) {
    qvz::support::RunProgram([] {
      qvz::runtime::ProcMark oLoop("QVZ", 120);
      qvz::runtime::ProcMark oWait("ATTENDI", 300);
      oWait.SetLine(312);
      qvz::runtime::RaiseError(Unexpected());
    });
  } else {
    qvz::support::ERRORSYS();
    qvz::runtime::RaiseError(Unexpected());
  }
  std::printf("went on\n");
  return 0;
}
