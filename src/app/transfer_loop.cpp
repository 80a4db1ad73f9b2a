#include "app/transfer_loop.h"

#include <windows.h>

#include "protocol/image_layout.h"
#include "app/image_writer.h"
#include "app/port_io.h"
#include "app/receiver_buffers.h"
#include "app/waits.h"
#include "runtime/proc_trace.h"
#include "runtime/scoped_flag.h"
#include "support/key_state.h"
#include "ui/messages.h"
#include "ui/multi_get.h"

namespace qvz::app {
namespace {

constexpr int kEsc = 27;
const std::string kAck(1, '\x00');
const std::string kTab = "\x09";

bool& LoopRunning() {
  static bool lRunning = false;
  return lRunning;
}

int ByteCode(const std::string& cByte) { return cByte.empty() ? 0 : static_cast<unsigned char>(cByte[0]); }

}  // namespace

bool TransferLoopRunning() { return LoopRunning(); }

void QVZ(int nCom, ui::TMultiGet& oGet) {
  runtime::ProcMark mark("QVZ", __LINE__);
  runtime::ScopedFlag running(LoopRunning());
  for (;;) {
    mark.SetLine(__LINE__);
    if (support::GETASYNCKEYSTATE(kEsc)) return;
    MESSAGE(oGet, "Waiting data (ESC to exit)...");
    ClearImage();
    for (bool lNewImage = false; !lNewImage;) {
      mark.SetLine(__LINE__);
      const std::string cByte = WAITCOMMAND();
      if (support::GETASYNCKEYSTATE(kEsc)) {
        SENDSTR(nCom, kTab);
        lNewImage = true;
      } else if (cByte == "T") {
        TRK(nCom, oGet);
      } else if (cByte == "E") {
        mark.SetLine(__LINE__);
        SAVE(&oGet);
        lNewImage = true;
      }
    }
  }
}

void TRK(int nCom, ui::TMultiGet& oGet) {
  runtime::ProcMark mark("TRK", __LINE__);
  const int nLow = ByteCode(WAITCHAR());
  const int nHigh = ByteCode(WAITCHAR());
  const int n = nLow + 256 * nHigh - 18;
  const std::string cRange = std::to_string(n) + " to " + std::to_string(n + 17);
  mark.SetLine(__LINE__);
  MESSAGE(oGet, "Receiving sectors " + cRange);
  SENDSTR(nCom, kAck);
  mark.SetLine(__LINE__);
  std::size_t nMissing = 0;
  for (std::size_t i = 0; i < protocol::kTrackBytes; ++i) {
    const std::string cByte = WAITCHAR();
    if (cByte.empty())
      ++nMissing;
    else
      AppendToImage(cByte);
  }
  if (nMissing > 0) {
    AppendToImage(std::string(nMissing, '\0'));
    MESSAGE(oGet, "Missing " + std::to_string(nMissing) + " bytes in sectors " + cRange + ", filled with 0");
  }
}

// A helper of the procedures that log, not marked itself: an error in it is
// reported as theirs.
void MESSAGE(ui::TMultiGet& oGet, const std::string& cMsg) {
  oGet.VarPut(oGet.VarGet().AsText() + cMsg + "\r\n");
  ui::SENDMESSAGE(oGet.hWnd, EM_REPLACESEL, 0, runtime::Value(cMsg + "\r\n"));
}

}  // namespace qvz::app
