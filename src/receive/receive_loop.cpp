#include "receive/receive_loop.h"

#include "protocol/image_layout.h"
#include "protocol/log_lines.h"
#include "protocol/receiver.h"
#include "protocol/track.h"
#include "receive/console.h"
#include "receive/disk_namer.h"
#include "receive/exit_codes.h"
#include "receive/line_waits.h"
#include "receive/progress_line.h"
#include "receive/serial_device.h"

namespace qvz::receive {
namespace {

// While more than this is still to come of a track, its bytes may gather
// before they are read; the last ones, and the next header after them, are
// read as they come, so that an acknowledgement is never late.
constexpr std::size_t kGatherAbove = 64;

class Loop {
 public:
  Loop(const std::string& cDevice, SerialDevice& oDevice, LineWaits& oWaits, Console& oConsole, DiskNamer& oNamer)
      : cDevice(cDevice), oDevice(oDevice), oWaits(oWaits), oConsole(oConsole), oNamer(oNamer), oRules("Ctrl+C") {}

  int Run() {
    Perform(oRules.Start());
    for (;;) {
      const Event e = oWaits.Next(oRules.Deadline(), Gather());
      switch (e.eKind) {
        case Event::Kind::kExit:
          return Exit();
        case Event::Kind::kLost:
          return Lost();
        case Event::Kind::kTime:
          if (!Perform(oRules.Time(e.nMs))) return Lost();
          break;
        case Event::Kind::kBytes:
          if (const int nEnd = Feed(e.cBytes, e.nMs); nEnd >= 0) return nEnd;
          break;
      }
      ShowProgress();
    }
  }

 private:
  // The log lines first, then the bytes: a header is logged before its
  // 0x00. False when the adapter is gone.
  bool Perform(const protocol::Step& oStep) {
    for (const std::string& cLine : oStep.aLines) oConsole.Line(cLine);
    return oStep.cSend.empty() || oDevice.Write(oStep.cSend);
  }

  // Feeds a batch byte by byte; -1 while the loop goes on, else its status.
  // Bytes after a disk's "E" are the next disk's, taken after the save.
  int Feed(const std::string& cBytes, std::int64_t nMs) {
    for (const char b : cBytes) {
      const protocol::Step oStep = oRules.Byte(static_cast<unsigned char>(b), nMs);
      if (!Perform(oStep)) return Lost();
      if (!oStep.lSave) continue;
      if (!SaveDisk()) return Exit();
      nMs = SteadyMs();
    }
    return -1;
  }

  // False when Ctrl+C came at a question: the disk was not saved.
  bool SaveDisk() {
    oConsole.HideProgress();
    const std::string& cImage = oRules.Image();
    if (cImage.size() > protocol::kImageBytes) oConsole.Line(protocol::LeftOutLine(cImage.size()));
    const std::string cName = oNamer.Save(protocol::LayOutImage(cImage));
    if (oNamer.Interrupted()) return false;  // the exit says that the disk was not saved
    Perform(oRules.Saved(cName));
    Perform(oRules.Start());
    oProgress.Reset();
    return true;
  }

  int Exit() {
    oConsole.HideProgress();
    if (!Perform(oRules.Exit())) return Lost();
    oDevice.Drain();
    return kEndedByUser;
  }

  int Lost() {
    oConsole.HideProgress();
    std::string cLine = "The adapter " + cDevice + " is gone: was it unplugged?";
    if (const std::size_t nTracks = oRules.Image().size() / protocol::kTrackBytes; nTracks > 0)
      cLine.append(" ").append(protocol::NotSavedLine(nTracks));
    oConsole.Line(cLine);
    return kAdapterLost;
  }

  bool Gather() const {
    return oRules.Awaiting() == protocol::Waiting::kData &&
           protocol::kTrackBytes - oRules.Image().size() % protocol::kTrackBytes > kGatherAbove;
  }

  void ShowProgress() {
    const bool lInTrack = oRules.Awaiting() == protocol::Waiting::kData;
    if (const auto cText = oProgress.Text(oRules.Image().size(), lInTrack, SteadyMs())) oConsole.Progress(*cText);
  }

  const std::string& cDevice;
  SerialDevice& oDevice;
  LineWaits& oWaits;
  Console& oConsole;
  DiskNamer& oNamer;
  protocol::Receiver oRules;
  ProgressLine oProgress;
};

}  // namespace

int ReceiveDisks(const std::string& cDevice, SerialDevice& oDevice, LineWaits& oWaits, Console& oConsole,
                 DiskNamer& oNamer) {
  return Loop(cDevice, oDevice, oWaits, oConsole, oNamer).Run();
}

}  // namespace qvz::receive
