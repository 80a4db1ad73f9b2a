// qvz-receive run as a user runs it: a separate process on one end of a pty
// pair, the test playing the remote machine on the other end, the disks
// saved into a real folder.

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <thread>

#include "line_pair.h"
#include "receiver_run.h"
#include "remote/disk_pattern.h"

namespace qvz::receive::test {
namespace {

constexpr std::size_t kTrack = 4608;
constexpr unsigned char kTab = 0x09;
const std::string kWaiting = "Waiting data (Ctrl+C to exit)...";

std::string Track(unsigned nSeed, std::size_t t) { return tools::PatternTrack(nSeed, t); }

std::string Tracks(unsigned nSeed, std::size_t nFirst, std::size_t nCount) {
  std::string c;
  for (std::size_t t = nFirst; t < nFirst + nCount; ++t) c += Track(nSeed, t);
  return c;
}

std::string Zeros(std::size_t n) { return std::string(n, '\0'); }

// The folder the receiver saves into, the pair and the remote's end; the
// receiver's own output files stay beside the disks' folder.
class ReceiveTest : public ::testing::Test {
 protected:
  ReceiveTest() : cDisks(oTemp.Path() + "/disks") { std::filesystem::create_directory(cDisks); }

  void OpenLine() {
    oLine.emplace(oTemp.Path());
    oRemote.emplace(oLine->Remote());
  }

  // Starts the receiver on the pair's adapter end, saving into cDisks.
  ReceiverRun& Start(std::vector<std::string> aArgs = {}, ReceiverRun::Input eInput = ReceiverRun::Input::kNone,
                     const std::vector<std::string>& aEnv = {}) {
    aArgs.push_back(cDisks);
    oRun.emplace(aArgs, oTemp.Path(), eInput, aEnv);
    EXPECT_TRUE(oRun->WaitForOutput(kWaiting)) << oRun->Errors();
    return *oRun;
  }

  std::string Disk(const std::string& cName) const { return ReadFile(cDisks + "/" + cName); }
  std::string Log() const { return ReadFile(cDisks + "/QVZ.LOG"); }

  // Ctrl+C, then what the remote received: the TAB byte, and the status.
  void EndWithCtrlC() {
    oRun->Signal(SIGINT);
    EXPECT_EQ(oRemote->Receive(10000), kTab);
    EXPECT_EQ(oRun->Wait(), 0) << oRun->Errors();
  }

  TempFolder oTemp;
  std::string cDisks;
  std::optional<LinePair> oLine;
  std::optional<RemoteEnd> oRemote;
  std::optional<ReceiverRun> oRun;
};

// The file of a double-sided disk holds track t of side 1, then track t of
// side 2, for t = 1 to 80; the remote sends side 1 first.
std::string TwoSidedFile(unsigned nSeed) {
  std::string c;
  for (std::size_t t = 0; t < 80; ++t) c += Track(nSeed, t) + Track(nSeed, 80 + t);
  return c;
}

TEST_F(ReceiveTest, DisksAreSavedByteForByteUnderThePatternsNextFreeNames) {
  OpenLine();
  // The one adapter of a by-id folder is used; its latency timer is set.
  const std::string cById = oTemp.Path() + "/by-id";
  std::filesystem::create_directory(cById);
  std::filesystem::create_symlink(oLine->Adapter(), cById + "/usb-FTDI_FT232R_USB_UART_A5XK3RJT-if00-port0");
  const std::string cKernelName = std::filesystem::canonical(oLine->Adapter()).filename().string();
  const std::string cAttributes = oTemp.Path() + "/sys/bus/usb-serial/devices/" + cKernelName;
  std::filesystem::create_directories(cAttributes);
  WriteFile(cAttributes + "/latency_timer", "16\n");
  WriteFile(cDisks + "/IMG02.QVZ", "kept");

  Start({"--names", "img%02d"}, ReceiverRun::Input::kNone,
        {"QVZ_BY_ID=" + cById, "QVZ_SYSFS=" + oTemp.Path() + "/sys"});
  ASSERT_TRUE(oRemote->Disk(Tracks(1, 0, 40)));
  ASSERT_TRUE(oRemote->Disk(Tracks(2, 0, 160)));
  ASSERT_TRUE(oRun->WaitForOutput("Disk saved as IMG03.QVZ: 160 tracks, no track filled")) << oRun->Output();
  EXPECT_EQ(oRemote->Rest(100), "") << "one 0x00 for each header";
  EndWithCtrlC();

  EXPECT_TRUE(Disk("IMG01.QVZ") == Tracks(1, 0, 40));
  EXPECT_TRUE(Disk("IMG03.QVZ") == TwoSidedFile(2));
  EXPECT_EQ(Disk("IMG02.QVZ"), "kept");
  EXPECT_EQ(NamesIn(cDisks), (std::vector<std::string>{"IMG01.QVZ", "IMG02.QVZ", "IMG03.QVZ", "QVZ.LOG"}));
  EXPECT_EQ(ReadFile(cAttributes + "/latency_timer"), "1\n");
  const std::string cLog = Log();
  EXPECT_NE(cLog.find("the latency timer of " + cKernelName + " was 16 ms: set to 1 ms"), std::string::npos) << cLog;
  EXPECT_NE(cLog.find("Disk saved as IMG01.QVZ: 40 tracks, no track filled"), std::string::npos) << cLog;
  // Each line is stamped: date and time, then the line.
  EXPECT_TRUE(std::regex_search(cLog, std::regex("\\n\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d Receiving sectors 0 to 17\\n")))
      << cLog;
  EXPECT_EQ(oRun->Output(), cLog) << "standard output and the log file say the same";
}

TEST_F(ReceiveTest, AStallInsideATrackKeepsEveryByteInPlace) {
  OpenLine();
  Start({"--device", oLine->Adapter()});
  std::string cFirst = Track(3, 0);
  cFirst.replace(4000, 3, "TE\x12");  // bytes that would be commands come after the pause
  ASSERT_TRUE(oRemote->Track(18, cFirst.substr(0, 4000)));
  // 3.2 s: the log's figure stays above 3 s even when the bytes before the
  // pause are taken late on a busy machine.
  std::this_thread::sleep_for(std::chrono::milliseconds(3200));
  oRemote->Send(cFirst.substr(4000));
  ASSERT_TRUE(oRemote->Track(36, Track(3, 1)));
  oRemote->Send("E");
  ASSERT_TRUE(oRun->WaitForOutput("Disk saved as DISK001.QVZ: 2 tracks, no track filled")) << oRun->Output();
  EXPECT_EQ(oRemote->Rest(100), "");
  EndWithCtrlC();
  EXPECT_TRUE(Disk("DISK001.QVZ") == cFirst + Track(3, 1));
  EXPECT_TRUE(std::regex_search(Log(), std::regex("Sectors 0 to 17: paused [3-9]\\.\\d s, complete\\n"))) << Log();
}

TEST_F(ReceiveTest, ALostByteIsFilledAndTheNextHeaderIsAnsweredAfterTheSilence) {
  OpenLine();
  Start({"--device", oLine->Adapter()});
  std::string cShort = Track(4, 1);
  cShort.erase(1000, 1);
  ASSERT_TRUE(oRemote->Track(18, Track(4, 0)));
  ASSERT_TRUE(oRemote->Track(36, cShort));
  const auto tHeader = std::chrono::steady_clock::now();
  // The header's bytes complete the short track; 2 s of silence tell them apart.
  ASSERT_TRUE(oRemote->Track(54, Track(4, 2), 3000));
  EXPECT_GE(std::chrono::steady_clock::now() - tHeader, std::chrono::milliseconds(1900));
  oRemote->Send("E");
  ASSERT_TRUE(oRun->WaitForOutput("Disk saved as DISK001.QVZ: 3 tracks, filled: sectors 18 to 35")) << oRun->Output();
  EXPECT_EQ(oRemote->Rest(100), "");
  EndWithCtrlC();
  EXPECT_TRUE(Disk("DISK001.QVZ") == Track(4, 0) + cShort + Zeros(1) + Track(4, 2));
  EXPECT_NE(Log().find("Missing 1 byte in sectors 18 to 35, filled with 0"), std::string::npos) << Log();
}

// Ctrl+C, or q on a terminal: while a command is awaited the TAB byte goes
// out; inside a track the track is filled and logged first. Either way the
// program ends with 0 and saves nothing.
TEST_F(ReceiveTest, CtrlCOrQSendsTheTabAndEnds) {
  struct {
    const char* cCase;
    bool lInTrack;
    bool lTypeQ;
  } aCases[] = {
      {"Ctrl+C awaiting a command", false, false},
      {"Ctrl+C inside a track", true, false},
      {"q awaiting a command", false, true},
      {"q inside a track", true, true},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.cCase);
    std::filesystem::remove_all(cDisks);
    std::filesystem::create_directory(cDisks);
    OpenLine();
    Start({"--device", oLine->Adapter()}, c.lTypeQ ? ReceiverRun::Input::kTerminal : ReceiverRun::Input::kNone);
    if (c.lInTrack) {
      ASSERT_TRUE(oRemote->Track(18, Track(5, 0).substr(0, 100)));
      ASSERT_TRUE(oRun->WaitForOutput("Receiving sectors 0 to 17"));
    }
    if (c.lTypeQ)
      oRun->Type("q");
    else
      oRun->Signal(SIGINT);
    EXPECT_EQ(oRemote->Receive(10000), kTab);
    EXPECT_EQ(oRun->Wait(), 0) << oRun->Errors();
    EXPECT_EQ(oRemote->Rest(100), "");
    EXPECT_EQ(NamesIn(cDisks), std::vector<std::string>{"QVZ.LOG"});
    const std::string cLog = Log();
    if (c.lInTrack) {
      // The key may come before the bytes sent just before it are taken.
      EXPECT_TRUE(std::regex_search(cLog, std::regex("Missing (4508|4608) bytes in sectors 0 to 17, filled with 0\n")))
          << cLog;
      EXPECT_NE(cLog.find("Disk not saved: 1 track\n"), std::string::npos) << cLog;
    } else {
      EXPECT_TRUE(cLog.size() > kWaiting.size() + 1 && cLog.compare(cLog.size() - kWaiting.size() - 1,
                                                                    kWaiting.size() + 1, kWaiting + "\n") == 0)
          << cLog;
    }
    oRun.reset();
    oRemote.reset();
    oLine.reset();
  }
}

TEST_F(ReceiveTest, APulledAdapterEndsWithStatus3AndWritesNothing) {
  OpenLine();
  Start({"--device", oLine->Adapter()});
  ASSERT_TRUE(oRemote->Track(18, Track(6, 0)));
  ASSERT_TRUE(oRemote->Track(36, Track(6, 1)));
  ASSERT_TRUE(oRemote->Track(54, Track(6, 2).substr(0, 2000)));
  ASSERT_TRUE(oRun->WaitForOutput("Receiving sectors 36 to 53"));
  oLine->Pull();
  // Ending at all shows that it does not spin on the dead line.
  EXPECT_EQ(oRun->Wait(5000), 3) << oRun->Output() << oRun->Errors();
  EXPECT_NE(oRun->Output().find("The adapter " + oLine->Adapter() +
                                " is gone: was it unplugged? Disk not saved: 2 tracks\n"),
            std::string::npos)
      << oRun->Output();
  EXPECT_EQ(NamesIn(cDisks), std::vector<std::string>{"QVZ.LOG"});
}

// On a terminal: a progress line while a disk arrives, and the name asked
// for each disk, the pattern's next free name proposed.
TEST_F(ReceiveTest, OnATerminalTheUserNamesEachDisk) {
  OpenLine();
  ReceiverRun& r = Start({"--device", oLine->Adapter()}, ReceiverRun::Input::kTerminal);
  const std::string cPrompt = "Name of the disk [DISK001.QVZ]: ";
  ASSERT_TRUE(oRemote->Disk(Tracks(7, 0, 2)));
  ASSERT_TRUE(r.WaitForOutput(cPrompt)) << r.Output();
  EXPECT_NE(r.Output().find("\r\x1b[KTrack 1, 0 bytes in 0:00, "), std::string::npos) << r.Output();
  EXPECT_NE(r.Output().find("\r\x1b[KTrack 2, 4608 bytes in "), std::string::npos) << r.Output();
  r.Type("mine\r");
  ASSERT_TRUE(r.WaitForOutput("Disk saved as MINE.QVZ: 2 tracks, no track filled")) << r.Output();

  // A name that exists is asked about; "no" asks for a name again, Enter
  // takes the proposal.
  ASSERT_TRUE(oRemote->Disk(Tracks(8, 0, 1)));
  ASSERT_TRUE(WaitUntil([&] { return r.Output().find(cPrompt) != r.Output().rfind(cPrompt); })) << r.Output();
  r.Type("Mine\r");
  ASSERT_TRUE(r.WaitForOutput("MINE.QVZ exists: replace it? [y/N] ")) << r.Output();
  r.Type("n\r");
  ASSERT_TRUE(WaitUntil([&] {
    const std::string c = r.Output();
    return c.rfind(cPrompt) > c.rfind("replace it?");
  })) << r.Output();
  r.Type("\r");
  ASSERT_TRUE(r.WaitForOutput("Disk saved as DISK001.QVZ: 1 track, no track filled")) << r.Output();

  // Ctrl+C at the question: the disk is not saved, the TAB goes out.
  ASSERT_TRUE(oRemote->Disk(Tracks(9, 0, 1)));
  ASSERT_TRUE(r.WaitForOutput("Name of the disk [DISK002.QVZ]: ")) << r.Output();
  r.Type("\x03");
  EXPECT_EQ(oRemote->Receive(10000), kTab);
  EXPECT_EQ(r.Wait(), 0) << r.Errors();
  EXPECT_NE(Log().find("Disk not saved: 1 track\n"), std::string::npos) << Log();
  EXPECT_EQ(oRemote->Rest(100), "");
  EXPECT_TRUE(Disk("MINE.QVZ") == Tracks(7, 0, 2));
  EXPECT_TRUE(Disk("DISK001.QVZ") == Tracks(8, 0, 1));
  EXPECT_EQ(NamesIn(cDisks), (std::vector<std::string>{"DISK001.QVZ", "MINE.QVZ", "QVZ.LOG"}));
}

}  // namespace
}  // namespace qvz::receive::test
