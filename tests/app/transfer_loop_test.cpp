#include "app/transfer_loop.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/receive_queue.h"
#include "protocol/receiver.h"
#include "runtime/clock.h"
#include "runtime/proc_trace.h"
#include "runtime/runtime_error.h"
#include "support/error_message.h"
#include "ui/multi_get.h"

namespace qvz::app {
namespace {

// The log's variable cannot take a line: the run time raises an error
// while a track is being received.
TEST(TransferLoopTest, AnErrorRaisedWhileReceivingATrackNamesTrk) {
  ui::TWindow oParent;
  ui::TMultiGet oLog({.bSetGet = [](const std::optional<runtime::Value>& v) -> runtime::Value {
                        if (v) {
                          runtime::RuntimeError e;
                          e.subSystem = "BASE";
                          e.subCode = 1132;
                          e.description.assign("Bound error");
                          throw e;
                        }
                        return runtime::Value(std::string());
                      },
                      .oWnd = &oParent});
  while (!GETCHAR().empty()) {
  }
  AppendToQueue(std::string("\x12\x00", 2));
  protocol::Receiver oRules("ESC");
  oRules.Start();
  oRules.Byte('T', runtime::MilliSeconds());
  try {
    TRK(-1, oLog, oRules);
    ADD_FAILURE() << "no error";
  } catch (const runtime::RuntimeError& e) {
    const std::string cReport = support::ERRORMESSAGE(e);
    EXPECT_NE(cReport.find("Function: TRK"), std::string::npos) << cReport;
  }
  runtime::ForgetUnwoundPlace();
}

}  // namespace
}  // namespace qvz::app
