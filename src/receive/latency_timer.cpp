#include "receive/latency_timer.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>

namespace qvz::receive {
namespace {

std::string LastPart(const std::string& cPath) { return cPath.substr(cPath.rfind('/') + 1); }

std::string Resolved(const std::string& cPath) {
  char aReal[PATH_MAX];
  return realpath(cPath.c_str(), aReal) ? aReal : cPath;
}

// The driver's name for the udev rule, or "" when the folder names none.
std::string DriverOf(const std::string& cAttributes) {
  char aTarget[PATH_MAX];
  const ssize_t n = readlink((cAttributes + "/driver").c_str(), aTarget, sizeof aTarget - 1);
  if (n <= 0) return {};
  return LastPart(std::string(aTarget, static_cast<std::size_t>(n)));
}

}  // namespace

std::string SysfsFolder() {
  const char* c = std::getenv("QVZ_SYSFS");
  return c && *c ? c : "/sys";
}

std::vector<std::string> SetLatencyTimer(const std::string& cDevice, const std::string& cSysfs) {
  const std::string cName = LastPart(Resolved(cDevice));
  const std::string cAttributes = cSysfs + "/bus/usb-serial/devices/" + cName;
  const std::string cTimer = cAttributes + "/latency_timer";
  std::string cWas;
  if (!(std::ifstream(cTimer) >> cWas)) return {};
  if (cWas == "1") return {"the latency timer of " + cName + " is 1 ms"};
  std::ofstream out(cTimer);
  if (out << "1\n" << std::flush) return {"the latency timer of " + cName + " was " + cWas + " ms: set to 1 ms"};
  const std::string cDriver = DriverOf(cAttributes);
  return {"the latency timer of " + cName + " is " + cWas +
              " ms and cannot be set to 1 ms here: each track waits that much longer",
          "   to set it now:     echo 1 | sudo tee " + cTimer,
          "   at every plug-in:  a file /etc/udev/rules.d/99-qvz-latency.rules holding the rule",
          "     ACTION==\"add\", SUBSYSTEM==\"usb-serial\", " +
              (cDriver.empty() ? std::string() : "DRIVER==\"" + cDriver + "\", ") + "ATTR{latency_timer}=\"1\""};
}

}  // namespace qvz::receive
