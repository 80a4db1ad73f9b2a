// The Windows entry point: error handler, start-up procedures, the program
// entry, shut-down procedures, in that order.

#include <windows.h>

#include "app/main_window.h"
#include "support/program_run.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  qvz::support::RunProgram(qvz::app::MAIN);
  return 0;
}
