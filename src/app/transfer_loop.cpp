#include "app/transfer_loop.h"

#include <windows.h>

#include "app/image_writer.h"
#include "app/key_wake.h"
#include "app/link_setup.h"
#include "app/port_io.h"
#include "app/receive_queue.h"
#include "app/waits.h"
#include "protocol/receiver.h"
#include "runtime/proc_trace.h"
#include "runtime/scoped_flag.h"
#include "serial/comm.h"
#include "support/key_state.h"
#include "ui/multi_get.h"
#include "ui/paint_hold.h"

namespace qvz::app {
namespace {

constexpr int kEsc = support::kKeyEscape;

// Bytes that may be on their way to the receive queue, not yet announced,
// when a wait begins.
constexpr std::size_t kBytesUnderway = 64;

// How long the reader may keep what arrives back. The bytes due before the
// next answer, less those already queued or underway, take at least that
// long on the wire; half of it is held, the other half is left for taking
// the batch before the byte that calls for the answer arrives. So the holds
// shrink towards a header, and its bytes are announced as they come.
long long HoldMs(const protocol::Receiver& oRules) {
  const std::size_t nDue = oRules.BytesBeforeAnswer();
  const std::size_t nHere = QueuedBytes() + kBytesUnderway;
  if (nDue <= nHere) return 0;
  return static_cast<long long>(nDue - nHere) * 1000 / kLineBytesPerSecond / 2;
}

bool& LoopRunning() {
  static bool lRunning = false;
  return lRunning;
}

// The log lines first, then the bytes: a header is logged before its 0x00.
// The log is painted after both: a line is in the log when its 0x00 goes
// out, but painting it first would keep the remote machine waiting (under
// Wine a themed scroll bar is drawn twice at each change of the log, a few
// milliseconds that grow with the log).
void Perform(int nCom, ui::TMultiGet& oGet, const protocol::Step& oStep) {
  ui::PaintHold oHold(oStep.aLines.empty() ? nullptr : oGet.hWnd);
  for (const std::string& cLine : oStep.aLines) MESSAGE(oGet, cLine);
  if (!oStep.cSend.empty()) SENDSTR(nCom, oStep.cSend);
}

protocol::Step Feed(protocol::Receiver& oRules, const Waited& oWaited) {
  if (!oWaited.cByte.empty()) return oRules.Byte(static_cast<unsigned char>(oWaited.cByte[0]), oWaited.nMs);
  if (oWaited.lEsc) return {};
  return oRules.Time(oWaited.nMs);
}

}  // namespace

bool TransferLoopRunning() { return LoopRunning(); }

bool QVZ(int nCom, ui::TMultiGet& oGet) {
  runtime::ProcMark mark("QVZ", __LINE__);
  runtime::ScopedFlag running(LoopRunning());
  const KeyWake oKeys(GetAncestor(oGet.hWnd, GA_ROOT));
  protocol::Receiver oRules("ESC");
  for (;;) {
    mark.SetLine(__LINE__);
    if (support::GETASYNCKEYSTATE(kEsc)) return false;
    Perform(nCom, oGet, oRules.Start());
    for (bool lNewImage = false; !lNewImage;) {
      mark.SetLine(__LINE__);
      const Waited oWaited = WAITCHAR(oRules.Deadline());
      // A second look at ESC: a press already over by now only restarts the
      // wait, and a byte taken while ESC is down is dropped.
      if (support::GETASYNCKEYSTATE(kEsc)) {
        Perform(nCom, oGet, oRules.Exit());
        lNewImage = true;
        continue;
      }
      const protocol::Step oStep = Feed(oRules, oWaited);
      Perform(nCom, oGet, oStep);
      if (oStep.lSave) {
        mark.SetLine(__LINE__);
        Perform(nCom, oGet, oRules.Saved(SAVE(oRules.Image(), &oGet)));
        lNewImage = true;
      } else if (oRules.Awaiting() != protocol::Waiting::kCommand && !TRK(nCom, oGet, oRules)) {
        return true;
      }
    }
  }
}

bool TRK(int nCom, ui::TMultiGet& oGet, protocol::Receiver& oRules) {
  runtime::ProcMark mark("TRK", __LINE__);
  while (oRules.Awaiting() != protocol::Waiting::kCommand) {
    // Inside a track the bytes come in batches: one notification for each
    // instead of one for each byte, where most of a paced disk's processor
    // time went.
    serial::HOLDCOMMNOTIFICATION(nCom, HoldMs(oRules));
    const Waited oWaited = WAITCHAR(oRules.Deadline());
    mark.SetLine(__LINE__);
    if (oWaited.lEsc) {
      Perform(nCom, oGet, oRules.Exit());
      return false;
    }
    Perform(nCom, oGet, Feed(oRules, oWaited));
  }
  return true;
}

// A helper of the procedures that log, not marked itself: an error in it is
// reported as theirs.
void MESSAGE(ui::TMultiGet& oGet, const std::string& cMsg) { oGet.AppendLine(cMsg); }

}  // namespace qvz::app
