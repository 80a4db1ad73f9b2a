// qvz-receive: receives disks from the vintage computer over a serial
// adapter into a folder, on the command line, through the same rules as the
// window program.
//
//   qvz-receive [--device PATH] [--names PATTERN] [FOLDER]
//   qvz-receive --find-device
//
// Exit status: 0 ended by the user, 1 a fatal error, 2 a usage, device or
// rights problem, 3 the adapter lost.

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <variant>

#include "receive/console.h"
#include "receive/device_finder.h"
#include "receive/device_rights.h"
#include "receive/disk_namer.h"
#include "receive/exit_codes.h"
#include "receive/interrupt_pipe.h"
#include "receive/latency_timer.h"
#include "receive/line_waits.h"
#include "receive/name_pattern.h"
#include "receive/options.h"
#include "receive/receive_loop.h"
#include "receive/serial_device.h"
#include "receive/terminal.h"

namespace qvz::receive {
namespace {

int Refuse(const std::string& cWhy) {
  std::fprintf(stderr, "%s\n", cWhy.c_str());
  return kProblem;
}

std::string NoDevice(const std::string& cDevice) {
  return "There is no device " + cDevice + ": is the adapter plugged in? (ls /dev/serial/by-id lists those that are)";
}

std::string Absolute(const std::string& cPath) {
  char aReal[PATH_MAX];
  return realpath(cPath.c_str(), aReal) ? aReal : cPath;
}

int FindDeviceCommand() {
  const FoundDevice oFound = FindDevice(ByIdFolder());
  if (oFound.cPath.empty()) return Refuse(oFound.cMessage);
  std::printf("%s\n", oFound.cPath.c_str());
  return kEndedByUser;
}

int Receive(const Options& o) {
  const std::optional<NamePattern> oPattern = NamePattern::Parse(o.cPattern);
  if (!oPattern)
    return Refuse("The name pattern \"" + o.cPattern +
                  "\" must hold exactly one %d or %0Nd and no / (" + kDefaultPattern + " gives DISK001.QVZ).");
  struct stat st {};
  if (stat(o.cFolder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return Refuse("There is no folder " + o.cFolder + ".");
  if (access(o.cFolder.c_str(), W_OK | X_OK) != 0)
    return Refuse("You cannot write in " + o.cFolder + ", where the disks and QVZ.LOG go.");
  const std::string cFolder = Absolute(o.cFolder);

  std::string cDevice = o.cDevice;
  if (cDevice.empty()) {
    const FoundDevice oFound = FindDevice(ByIdFolder());
    if (oFound.cPath.empty()) return Refuse(oFound.cMessage);
    cDevice = oFound.cPath;
  } else if (stat(cDevice.c_str(), &st) != 0) {
    return Refuse(NoDevice(cDevice));
  } else if (!S_ISCHR(st.st_mode)) {
    return Refuse(cDevice + " is not a serial device.");
  }
  SerialDevice oDevice;
  switch (oDevice.Open(cDevice)) {
    case SerialDevice::Opened::kOk:
      break;
    case SerialDevice::Opened::kMissing:
      return Refuse(NoDevice(cDevice));
    case SerialDevice::Opened::kNoRights:
      std::fputs(RightsMessage(cDevice).c_str(), stderr);
      return kProblem;
    case SerialDevice::Opened::kNotSerial:
      return Refuse(cDevice + " is not a serial device.");
    case SerialDevice::Opened::kFailed:
      return Refuse("Cannot open " + cDevice + ": " + oDevice.Error());
  }

  Console oConsole(cFolder + "/QVZ.LOG");
  if (!oConsole.LogOpen()) return Refuse("You cannot write in " + cFolder + ", where the disks and QVZ.LOG go.");
  const InterruptPipe oInterrupt;
  Terminal oTerminal;
  oConsole.Line("QVZ 1.00  (" + cDevice + ":57600,N,8,1), disks into " + cFolder);
  for (const std::string& cLine : SetLatencyTimer(cDevice, SysfsFolder())) oConsole.Line(cLine);
  LineWaits oWaits(oDevice, oTerminal, oInterrupt);
  const bool lAsk = oTerminal.Active() && !o.lNamesGiven;
  DiskNamer oNamer(cFolder, *oPattern, lAsk ? &oTerminal : nullptr, oInterrupt.Fd(), oConsole);
  return ReceiveDisks(cDevice, oDevice, oWaits, oConsole, oNamer);
}

int Run(int argc, char** argv) {
  const std::variant<Options, std::string> oParsed = ParseOptions(argc, argv);
  if (const auto* cError = std::get_if<std::string>(&oParsed)) return Refuse(*cError);
  const Options& o = std::get<Options>(oParsed);
  if (o.lHelp) {
    std::printf("%s\n", kUsage);
    return kEndedByUser;
  }
  if (o.lFindDevice) return FindDeviceCommand();
  return Receive(o);
}

}  // namespace
}  // namespace qvz::receive

int main(int argc, char** argv) {
  signal(SIGPIPE, SIG_IGN);  // a closed output must not end a transfer
  try {
    return qvz::receive::Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "qvz-receive: %s\n", e.what());
    return qvz::receive::kFatal;
  }
}
