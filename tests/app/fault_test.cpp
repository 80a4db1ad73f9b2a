// The faults the receiver's users meet, on the built program: adapters that
// drop out, remotes that stall or send noise, bad settings.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "harness/host_cpu.h"
#include "harness/pty_pair.h"
#include "harness/temp_folder.h"
#include "receiver_process.h"
#include "remote/disk_pattern.h"

namespace qvz::app {
namespace {

using namespace testing;
using qvz::test::FarEnd;
using qvz::test::PtyPair;

// What qvz.exe and the Wine server use while the receiver waits 3 s; a wait
// that spins takes most of a processor between them.
void ExpectIdleFor3s(const char* cWhen) {
  const qvz::test::CpuSeconds oUsed = qvz::test::HostCpuOver("qvz.exe", 3000);
  std::printf("%s: %.2f s CPU in 3 s (qvz.exe %.2f, Wine server %.2f)\n", cWhen, oUsed.Total(), oUsed.nProgram,
              oUsed.nWineServer);
  EXPECT_LT(oUsed.Total(), 0.75);
}

class FaultTest : public ::testing::Test {
 protected:
  // The answer may wait for everything received before the header.
  void Header(FarEnd& oFar, unsigned v, DWORD nTimeoutMs = 60000) {
    oFar.Write(std::string{'T', static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)});
    ASSERT_EQ(oFar.Read(1, nTimeoutMs), std::string(1, '\0'));
  }
  qvz::test::TempFolder oFolder;
  const std::string cDir = oFolder.Path();
};

TEST_F(FaultTest, AdapterPulledWhileWaitingForACommand) {
  auto oPair = std::make_unique<PtyPair>();
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  oPair->Pull();
  ExpectIdleFor3s("pulled adapter, waiting for a command");
  oPair = std::make_unique<PtyPair>();  // a fresh adapter changes nothing for the open port
  oQvz.EndWithEscape(nullptr, 3000);
}

TEST_F(FaultTest, AdapterPulledWhileATrackArrives) {
  auto oPair = std::make_unique<PtyPair>();
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  {
    FarEnd oFar;
    Header(oFar, 18);
    oFar.Write(tools::PatternTrack(1, 0).substr(0, 1000));
  }
  ASSERT_TRUE(oQvz.WaitForLog("Receiving sectors 0 to 17"));
  oPair->Pull();
  ExpectIdleFor3s("pulled adapter, inside a track");
  oQvz.EndWithEscape(nullptr, 5000);  // the track's waits end at once, then the program
}

TEST_F(FaultTest, NoiseBetweenDisksIsIgnoredAndBothImagesAreExact) {
  PtyPair oPair;
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  auto Disk = [&](unsigned nSeed, const char* cName) {
    for (size_t t = 0; t < 2; ++t) {
      Header(oFar, static_cast<unsigned>((t + 1) * 18), 300000);
      oFar.Write(tools::PatternTrack(nSeed, t));
    }
    oFar.Write("E");
    AnswerSavePrompt(WaitForDialog("Salva in"), cDir + "\\" + cName);
  };
  Disk(41, "uno");
  std::mt19937 rng(7);
  std::string cNoise(1 << 20, '\0');
  for (char& c : cNoise) {
    do c = static_cast<char>(rng() & 0xFF);
    while (c == 'T' || c == 'E');
  }
  const std::string cLogBefore = oQvz.LogText();
  oFar.Write(cNoise);
  Disk(42, "due");
  ASSERT_TRUE(oQvz.WaitForDisksDone(2));
  EXPECT_TRUE(Holds(cDir + "\\UNO.QVZ", tools::PatternDisk(41, 2)));
  EXPECT_TRUE(Holds(cDir + "\\DUE.QVZ", tools::PatternDisk(42, 2)));
  // The noise logged nothing: only the second disk's lines follow.
  EXPECT_EQ(oQvz.LogText(), cLogBefore + "Receiving sectors 0 to 17\r\nReceiving sectors 18 to 35\r\n"
                                         "Disk saved as " + cDir + "\\DUE.QVZ: 2 tracks, no track filled\r\n"
                                         "Waiting data (ESC to exit)...\r\n");
  oQvz.EndWithEscape(&oFar);
}

TEST_F(FaultTest, EndBeforeAnyTrackSavesAnEmptyFile) {
  PtyPair oPair;
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  oFar.Write("E");
  AnswerSavePrompt(WaitForDialog("Salva in"), cDir + "\\vuoto");
  ASSERT_TRUE(oQvz.WaitForDisksDone(1));
  EXPECT_TRUE(Holds(cDir + "\\VUOTO.QVZ", ""));
  oQvz.EndWithEscape(&oFar);
}

TEST_F(FaultTest, BytesThatEachComeJustInTimeAreAllKept) {
  PtyPair oPair;
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  const std::string cTrack = tools::PatternTrack(51, 0);
  Header(oFar, 18);
  oFar.Write(cTrack.substr(0, 4000));
  for (size_t i = 4000; i < 4010; ++i) {  // ten late bytes, 1.9 s apart
    Sleep(1900);
    oFar.Write(cTrack.substr(i, 1));
  }
  oFar.Write(cTrack.substr(4010));
  oFar.Write("E");
  AnswerSavePrompt(WaitForDialog("Salva in", 30000), cDir + "\\lento");
  ASSERT_TRUE(oQvz.WaitForDisksDone(1));
  EXPECT_TRUE(Holds(cDir + "\\LENTO.QVZ", cTrack));
  EXPECT_EQ(oQvz.LogText().find("Missing"), std::string::npos);
  oQvz.EndWithEscape(&oFar);
}

// Settings that are empty, a folder, or a port name no device has.
TEST_F(FaultTest, BadSettingsGiveTheDefaultOrTheOpeningError) {
  {
    PtyPair oPair;
    FarEnd oFar;
    std::ofstream(cDir + "\\QVZ.INI").close();  // empty
    ReceiverProcess oQvz(cDir);
    ASSERT_TRUE(oQvz.WaitForMainWindow());
    EXPECT_EQ(oQvz.Caption(), "QVZ 1.00  (COM1:57600,N,8,1)");
    EXPECT_NE(qvz::test::ContentOf(cDir + "\\QVZ.INI").find("Porta=COM1"), std::string::npos);
    oQvz.EndWithEscape();
  }
  {
    PtyPair oPair;
    FarEnd oFar;
    DeleteFileA((cDir + "\\QVZ.INI").c_str());
    CreateDirectoryA((cDir + "\\QVZ.INI").c_str(), nullptr);  // a folder: nothing can be written back
    ReceiverProcess oQvz(cDir);
    ASSERT_TRUE(oQvz.WaitForMainWindow());
    EXPECT_EQ(oQvz.Caption(), "QVZ 1.00  (COM1:57600,N,8,1)");
    oQvz.EndWithEscape();
    RemoveDirectoryA((cDir + "\\QVZ.INI").c_str());
  }
  for (const std::string& cPort : {std::string(5000, 'P'), std::string("\x01\xFF;[]=\x7F")}) {
    std::ofstream(cDir + "\\QVZ.INI", std::ios::binary) << "[Impostazioni]\r\nPorta=" << cPort << "\r\n";
    ReceiverProcess oQvz(cDir);
    HWND hMsg = WaitForDialog("Attenzione");
    ASSERT_TRUE(hMsg);
    const std::string cRead = std::string(cPort, 0, std::min<size_t>(cPort.size(), 4094));
    std::string cShown = cRead;  // a ";" in a message starts a new line
    if (auto n = cShown.find(';'); n != std::string::npos) cShown.replace(n, 1, "\r\n");
    // The reason and the port list follow on lines of their own.
    const std::string cFirst = "Errore di apertura della porta di comunicazione (" + cShown + ").\r\n";
    EXPECT_EQ(DialogText(hMsg).substr(0, cFirst.size()), cFirst);
    PressButton(hMsg, IDOK);
    EXPECT_EQ(oQvz.WaitForExit(), 0);
  }
}

}  // namespace
}  // namespace qvz::app
