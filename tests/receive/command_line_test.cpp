// qvz-receive's checks before it receives anything: the arguments, the name
// pattern, the folder, the adapter and the user's rights. Each ends the
// program with status 2 and a message, having made nothing.

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "receiver_run.h"

namespace qvz::receive::test {
namespace {

constexpr const char* kNameIt = "Name the adapter to use with --device PATH.\n";

struct Ended {
  std::optional<int> nStatus;
  std::string cOut;
  std::string cErr;
};

Ended RunToEnd(const TempFolder& oTemp, const std::vector<std::string>& aArgs, const std::vector<std::string>& aEnv = {},
               const std::vector<std::string>& aCommand = {ReceiverExe()}) {
  ReceiverRun r(aArgs, oTemp.Path(), ReceiverRun::Input::kNone, aEnv, aCommand);
  Ended e;
  e.nStatus = r.Wait();
  e.cOut = r.Output();
  e.cErr = r.Errors();
  return e;
}

TEST(CommandLineTest, WrongArgumentsEndWithStatus2AndMakeNothing) {
  TempFolder oTemp;
  const std::string cDisks = oTemp.Path() + "/disks";
  std::filesystem::create_directory(cDisks);
  struct {
    std::vector<std::string> aArgs;
    std::string cSays;
  } aCases[] = {
      {{"--names", "DISK%d%d", cDisks}, "The name pattern \"DISK%d%d\" must hold exactly one %d or %0Nd"},
      {{"--names", "DISK", cDisks}, "The name pattern \"DISK\" must hold exactly one %d or %0Nd"},
      {{"--bogus", cDisks}, "unknown option --bogus\nusage: qvz-receive"},
      {{cDisks, cDisks}, "usage: qvz-receive"},
      {{"--find-device", cDisks}, "usage: qvz-receive"},
      {{"--device"}, "--device needs a value"},
      {{oTemp.Path() + "/none"}, "There is no folder"},
      {{"--device", oTemp.Path() + "/ttyUSB9", cDisks},
       "There is no device " + oTemp.Path() + "/ttyUSB9: is the adapter plugged in?"},
      {{"--device", oTemp.Path() + "/receiver.out", cDisks}, "receiver.out is not a serial device."},
  };
  for (const auto& c : aCases) {
    const Ended e = RunToEnd(oTemp, c.aArgs);
    EXPECT_EQ(e.nStatus, 2) << c.cSays;
    EXPECT_NE(e.cErr.find(c.cSays), std::string::npos) << e.cErr;
    EXPECT_EQ(e.cOut, "") << c.cSays;
    EXPECT_TRUE(NamesIn(cDisks).empty()) << c.cSays;
  }
}

// Links to character devices stand in for the adapters of /dev/serial/by-id.
TEST(CommandLineTest, FindDeviceNamesTheOneAdapterOrListsThem) {
  TempFolder oTemp;
  const std::string cNone = oTemp.Path() + "/none", cOne = oTemp.Path() + "/one", cTwo = oTemp.Path() + "/two";
  for (const std::string& c : {cNone, cOne, cTwo}) std::filesystem::create_directory(c);
  WriteFile(cNone + "/notes.txt", "not a device");
  std::filesystem::create_symlink("/dev/null", cOne + "/usb-FTDI_A-if00-port0");
  std::filesystem::create_symlink("/dev/zero", cTwo + "/usb-Prolific_B-if00-port0");
  std::filesystem::create_symlink("/dev/null", cTwo + "/usb-FTDI_A-if00-port0");
  struct {
    std::string cFolder;
    int nStatus;
    std::string cOut;
    std::string cErr;
  } aCases[] = {
      {cNone, 2, "", "No USB serial adapter is listed in " + cNone + ".\n" + kNameIt},
      {oTemp.Path() + "/missing", 2, "", "No USB serial adapter is listed in " + oTemp.Path() + "/missing.\n" + kNameIt},
      {cOne, 0, cOne + "/usb-FTDI_A-if00-port0\n", ""},
      {cTwo, 2, "",
       "2 USB serial adapters are listed in " + cTwo + ":\n  usb-FTDI_A-if00-port0 -> /dev/null\n" +
           "  usb-Prolific_B-if00-port0 -> /dev/zero\n" + kNameIt},
  };
  for (const auto& c : aCases) {
    const Ended e = RunToEnd(oTemp, {"--find-device"}, {"QVZ_BY_ID=" + c.cFolder});
    EXPECT_EQ(e.nStatus, c.nStatus) << c.cFolder;
    EXPECT_EQ(e.cOut, c.cOut);
    EXPECT_EQ(e.cErr, c.cErr);
  }
  // Receiving without --device, two adapters: the same list, status 2.
  const Ended e = RunToEnd(oTemp, {oTemp.Path()}, {"QVZ_BY_ID=" + cTwo});
  EXPECT_EQ(e.nStatus, 2);
  EXPECT_NE(e.cErr.find("2 USB serial adapters are listed in"), std::string::npos) << e.cErr;
}

// scripts/receive-native runs the built program and ends with its status.
TEST(CommandLineTest, TheScriptRunsTheBuiltProgram) {
  TempFolder oTemp;
  std::filesystem::create_directory(oTemp.Path() + "/one");
  std::filesystem::create_symlink("/dev/null", oTemp.Path() + "/one/usb-FTDI_A-if00-port0");
  const std::vector<std::string> aScript = {"bash", QVZ_SOURCE_DIR "/scripts/receive-native"};
  const std::string cBuild = "QVZ_NATIVE_BUILD=" QVZ_NATIVE_BUILD_DIR;
  Ended e = RunToEnd(oTemp, {"--find-device"}, {cBuild, "QVZ_BY_ID=" + oTemp.Path() + "/one"}, aScript);
  EXPECT_EQ(e.nStatus, 0) << e.cErr;
  EXPECT_EQ(e.cOut, oTemp.Path() + "/one/usb-FTDI_A-if00-port0\n");
  EXPECT_EQ(e.cErr, "") << "nothing to build";
  e = RunToEnd(oTemp, {"--find-device"}, {cBuild, "QVZ_BY_ID=" + oTemp.Path()}, aScript);
  EXPECT_EQ(e.nStatus, 2) << e.cErr;
}

// A terminal device that the user may not open. Root may open anything, so
// root runs the program as user nobody, from a copy that nobody can reach.
TEST(CommandLineTest, ADeviceTheUserCannotOpenIsExplained) {
  TempFolder oTemp;
  const int nMaster = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(nMaster, 0);
  ASSERT_EQ(grantpt(nMaster), 0);
  ASSERT_EQ(unlockpt(nMaster), 0);
  const std::string cDevice = ptsname(nMaster);
  std::vector<std::string> aCommand = {ReceiverExe()};
  if (geteuid() == 0) {
    const std::string cCopy = oTemp.Path() + "/qvz-receive";
    std::filesystem::copy_file(ReceiverExe(), cCopy);
    chmod(oTemp.Path().c_str(), 0777);
    chmod(cCopy.c_str(), 0755);
    aCommand = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", cCopy};
  } else {
    chmod(cDevice.c_str(), 0);
  }
  const Ended e = RunToEnd(oTemp, {"--device", cDevice, oTemp.Path()}, {}, aCommand);
  close(nMaster);
  EXPECT_EQ(e.nStatus, 2) << e.cErr;
  EXPECT_EQ(e.cErr.rfind("You cannot open " + cDevice + " for reading and writing: it belongs to group ", 0), 0u)
      << e.cErr;
  if (geteuid() == 0) {
    EXPECT_TRUE(std::regex_search(
        e.cErr, std::regex("\nAdd yourself to it with:\n  sudo usermod -aG [a-z_]+ nobody\nthen log out and in again")))
        << e.cErr;
  }
}

}  // namespace
}  // namespace qvz::receive::test
