// The Windows entry point: error handler, start-up procedures, the program
// entry, shut-down procedures, in that order.

#include <windows.h>

#include "app/main_window.h"
#include "support/error_handler.h"
#include "support/shut_down.h"
#include "support/start_up.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  qvz::support::ERRORSYS();
  qvz::support::StartUp();
  qvz::app::MAIN();
  qvz::support::ShutDown();
  return 0;
}
