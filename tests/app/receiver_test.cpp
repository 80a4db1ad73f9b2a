// The built program, run as a user runs it: a separate qvz.exe process in a
// folder of its own, the remote machine at the far end of the pty pair, and
// the test answering its prompts.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "harness/prefix_ports.h"
#include "harness/pty_pair.h"
#include "harness/temp_folder.h"
#include "key_input.h"
#include "harness/unix_command.h"
#include "receiver_process.h"
#include "remote/disk_pattern.h"

namespace qvz::app {
namespace {

using namespace testing;
using qvz::test::FarEnd;
using qvz::test::PtyPair;

// Shorter than a sleep of the waits, longer than it takes them to wake.
constexpr DWORD kShortPressMs = 100;

void WriteFile(const std::string& cPath, const std::string& cData) {
  std::ofstream(cPath, std::ios::binary) << cData;
}

// A folder that holds only 64 KB: a tmpfs mounted over it for the test.
struct SmallDisk {
  explicit SmallDisk(std::string cPath) : cUnixPath(std::move(cPath)) {
    lMounted = qvz::test::RunUnix("mount -t tmpfs -o size=64k tmpfs '" + cUnixPath + "'").nExitCode == 0;
  }
  ~SmallDisk() {
    if (lMounted) qvz::test::RunUnix("umount '" + cUnixPath + "'");
  }
  std::string cUnixPath;
  bool lMounted = false;
};

// The remote machine's side of the protocol, driven by the test.
class Remote {
 public:
  explicit Remote(FarEnd& oFar) : oFar(oFar) {}
  // Sends the header of track nTrack (0-based) and waits for the answer.
  bool Header(size_t nTrack) {
    const unsigned v = static_cast<unsigned>((nTrack + 1) * 18);
    oFar.Write(std::string{'T', static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)});
    // The answer comes once everything received before the header is taken.
    return oFar.Read(1, 60000) == std::string(1, '\0');
  }
  // Sends whole tracks of the seed's disk.
  bool Disk(unsigned nSeed, size_t nTracks) {
    for (size_t t = 0; t < nTracks; ++t) {
      if (!Header(t)) return false;
      oFar.Write(tools::PatternTrack(nSeed, t));
    }
    oFar.Write("E");
    return true;
  }
  FarEnd& oFar;
};

class ReceiverTest : public ::testing::Test {
 protected:
  void Settings(const std::string& cContents) { WriteFile(cDir + "\\QVZ.INI", cContents); }
  // The remote sends a disk, which the user saves as cPath when asked.
  static void SendAndSave(Remote& oRemote, unsigned nSeed, size_t nTracks, const std::string& cPath) {
    ASSERT_TRUE(oRemote.Disk(nSeed, nTracks));
    AnswerSavePrompt(WaitForDialog("Salva in"), cPath);
  }
  qvz::test::TempFolder oFolder;
  const std::string cDir = oFolder.Path();
  PtyPair oPair;
};

TEST_F(ReceiverTest, DisksArriveAsImageFilesAndTheLogTellsEachStep) {
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  EXPECT_EQ(oQvz.Caption(), "QVZ 1.00  (COM1:57600,N,8,1)");
  Remote oRemote(oFar);
  SendAndSave(oRemote, 11, 40, cDir + "\\primo");
  SendAndSave(oRemote, 12, 82, cDir + "\\Secondo.img");  // two tracks on side 2
  ASSERT_TRUE(oQvz.WaitForDisksDone(2));
  // The names as the program wrote them, in upper case: the host tells.
  EXPECT_EQ(qvz::test::HostNamesIn(cDir), (std::vector<std::string>{"PRIMO.QVZ", "QVZ.INI", "SECONDO.IMG"}));
  EXPECT_TRUE(Holds(cDir + "\\PRIMO.QVZ", tools::PatternDisk(11, 40)));
  EXPECT_TRUE(Holds(cDir + "\\SECONDO.IMG", tools::PatternImageFile(12, 82)));
  const std::string cLog = oQvz.LogText();
  EXPECT_EQ(Count(cLog, "Waiting data (ESC to exit)...\r\n"), 3u);
  EXPECT_EQ(Count(cLog, "Receiving sectors "), 122u);
  EXPECT_EQ(cLog.rfind("Waiting data (ESC to exit)...\r\nReceiving sectors 0 to 17\r\n", 0), 0u);
  // No settings file: one is made with the default port.
  EXPECT_NE(qvz::test::ContentOf(cDir + "\\QVZ.INI").find("Porta=COM1"), std::string::npos);
  oQvz.EndWithEscape(&oFar);
}

// Bytes that come while the save prompt is open wait in the receive queue
// and are read as commands once it has closed: the next disk's header is
// answered then, and the disk arrives whole.
TEST_F(ReceiverTest, BytesArrivingWhileTheSavePromptIsOpenWaitForIt) {
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  Remote oRemote(oFar);
  ASSERT_TRUE(oRemote.Disk(61, 2));
  HWND hPrompt = WaitForDialog("Salva in");
  ASSERT_TRUE(hPrompt);
  oFar.Write(std::string{'T', 18, 0});  // the next disk's first header
  EXPECT_EQ(oFar.Read(1, 1500), "") << "no answer while the prompt is open";
  AnswerSavePrompt(hPrompt, cDir + "\\primo");
  ASSERT_EQ(oFar.Read(1, 10000), std::string(1, '\0')) << "the header is answered once the prompt has gone";
  oFar.Write(tools::PatternTrack(62, 0));
  ASSERT_TRUE(oRemote.Header(1));
  oFar.Write(tools::PatternTrack(62, 1));
  oFar.Write("E");
  AnswerSavePrompt(WaitForDialog("Salva in"), cDir + "\\secondo");
  ASSERT_TRUE(oQvz.WaitForDisksDone(2));
  EXPECT_TRUE(Holds(cDir + "\\PRIMO.QVZ", tools::PatternImageFile(61, 2)));
  EXPECT_TRUE(Holds(cDir + "\\SECONDO.QVZ", tools::PatternImageFile(62, 2)));
  oQvz.EndWithEscape(&oFar);
}

// A port numbered above 9 is reached through the device prefix; the caption
// names the port of the settings.
TEST_F(ReceiverTest, APortNumberedAboveNineCarriesADiskAndNamesItselfInTheCaption) {
  Settings("[Impostazioni]\r\nPorta=COM10\r\n");
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  EXPECT_EQ(oQvz.Caption(), "QVZ 1.00  (COM10:57600,N,8,1)");
  Remote oRemote(oFar);
  SendAndSave(oRemote, 71, 2, cDir + "\\dieci");
  ASSERT_TRUE(oQvz.WaitForDisksDone(1));
  EXPECT_TRUE(Holds(cDir + "\\DIECI.QVZ", tools::PatternImageFile(71, 2)));
  oQvz.EndWithEscape(&oFar);
}

// A remote that stalls inside a track (a drive retrying a sector) loses
// nothing: every byte keeps its place and the header is answered once.
TEST_F(ReceiverTest, AStallInsideATrackKeepsEveryByteInPlace) {
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  Remote oRemote(oFar);
  const std::string cFirst = tools::PatternTrack(21, 0), cSecond = tools::PatternTrack(21, 1);
  ASSERT_TRUE(oRemote.Header(0));
  oFar.Write(cFirst.substr(0, 4000));
  Sleep(3000);
  oFar.Write(cFirst.substr(4000));
  ASSERT_TRUE(oRemote.Header(1));
  oFar.Write(cSecond);
  oFar.Write("E");
  AnswerSavePrompt(WaitForDialog("Salva in"), cDir + "\\lento");
  ASSERT_TRUE(oQvz.WaitForDisksDone(1));
  EXPECT_TRUE(Holds(cDir + "\\LENTO.QVZ", cFirst + cSecond));
  const std::string cLog = oQvz.LogText();
  // The pause as the receiver saw it: bytes queued before it were taken a
  // little later than they came.
  const std::string cPaused = "Receiving sectors 0 to 17\r\nSectors 0 to 17: paused ";
  const size_t nAt = cLog.find(cPaused);
  ASSERT_NE(nAt, std::string::npos) << cLog;
  const double nSeconds = std::stod(cLog.substr(nAt + cPaused.size()));
  EXPECT_TRUE(nSeconds >= 2.5 && nSeconds <= 3.5) << cLog;
  EXPECT_EQ(cLog.compare(nAt + cPaused.size() + 3, 13, " s, complete\r"), 0) << cLog;
  EXPECT_NE(cLog.find(": 2 tracks, no track filled\r\n"), std::string::npos) << cLog;
  EXPECT_EQ(oFar.Read(1, 300), "");  // no answer but the two headers'
  oQvz.EndWithEscape(&oFar);
}

// A byte lost on the line: the next header lands in the track, and the
// silence after it, with the sector number that header carries, gives it away.
TEST_F(ReceiverTest, ALostByteFillsItsTrackAndTheNextHeaderIsAnswered) {
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  Remote oRemote(oFar);
  std::string cShort = tools::PatternTrack(22, 1);
  cShort.erase(3000, 1);
  ASSERT_TRUE(oRemote.Header(0));
  oFar.Write(tools::PatternTrack(22, 0));
  ASSERT_TRUE(oRemote.Header(1));
  oFar.Write(cShort);
  oFar.Write(std::string("T\x36\x00", 3));
  EXPECT_EQ(oFar.Read(1, 3000), std::string(1, '\0'));  // 2 s of silence, then the answer
  oFar.Write(tools::PatternTrack(22, 2));
  oFar.Write("E");
  AnswerSavePrompt(WaitForDialog("Salva in"), cDir + "\\perso");
  ASSERT_TRUE(oQvz.WaitForDisksDone(1));
  EXPECT_TRUE(Holds(cDir + "\\PERSO.QVZ",
                    tools::PatternTrack(22, 0) + cShort + std::string(1, '\0') + tools::PatternTrack(22, 2)));
  const std::string cLog = oQvz.LogText();
  EXPECT_NE(cLog.find("Missing 1 byte in sectors 18 to 35, filled with 0\r\nReceiving sectors 36 to 53\r\n"), std::string::npos) << cLog;
  EXPECT_NE(cLog.find("PERSO.QVZ: 3 tracks, filled: sectors 18 to 35\r\n"), std::string::npos) << cLog;
  oQvz.EndWithEscape(&oFar);
}

// A window of another program, which has the focus while it lives.
class OtherProgram {
 public:
  OtherProgram()
      : hWnd(CreateWindowA("STATIC", "other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                           nullptr, nullptr, nullptr)) {
    SetForegroundWindow(hWnd);
    for (int i = 0; i < 100 && !HasFocus(); ++i) Sleep(20);
  }
  ~OtherProgram() { DestroyWindow(hWnd); }
  bool HasFocus() const { return hWnd && GetForegroundWindow() == hWnd; }

 private:
  HWND hWnd;
};

// While a command is awaited the receiver sleeps between its looks at ESC;
// a key pressed in another program's window wakes it (on Windows through the
// keyboard's raw input; Wine's server wakes it in any case), so a short
// press is still seen and answered with the TAB. The key is still down when
// the loop looks again, so the loop ends, and ESC in the window closes it.
TEST_F(ReceiverTest, AShortEscapeInAnotherProgramIsSeenWhileACommandIsAwaited) {
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  ASSERT_TRUE(oQvz.WaitForLog("Waiting data (ESC to exit)..."));
  {
    OtherProgram oOther;
    ASSERT_TRUE(oOther.HasFocus());
    Sleep(300);  // the receiver is asleep by now
    // Through the Wine server only, as from another program's window: the
    // receiver's own connection to the display sees nothing of it.
    tools::PressKey(VK_ESCAPE);
    Sleep(kShortPressMs);
    tools::ReleaseKey(VK_ESCAPE);
    EXPECT_EQ(oFar.Read(1, 5000), "\x09");
  }
  oQvz.EndWithEscape();
  EXPECT_EQ(oFar.Read(1, 300), "");  // exactly one TAB
}

// ESC let go again while the track still arrives: the rest of the track is
// not read as commands; the track is given up, the TAB goes out, and the
// program ends. ESC counts whichever window has the focus: here another
// program's, so the receiver's window never sees the key itself.
TEST_F(ReceiverTest, ABriefEscapeInsideATrackEndsTheProgram) {
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  Remote oRemote(oFar);
  ASSERT_TRUE(oRemote.Header(0));
  oFar.Write(tools::PatternTrack(23, 0).substr(0, 1000));
  ASSERT_TRUE(oQvz.WaitForLog("Receiving sectors 0 to 17"));
  OtherProgram oOther;
  ASSERT_TRUE(oOther.HasFocus());
  PressKeys("Escape");
  Sleep(200);
  ReleaseKeys("Escape");
  EXPECT_EQ(oFar.Read(1, 5000), "\x09");
  EXPECT_EQ(oQvz.WaitForExit(), 0);
  oFar.Write(tools::PatternTrack(23, 0).substr(1000));
  EXPECT_EQ(oFar.Read(1, 300), "");  // exactly one TAB
}

TEST_F(ReceiverTest, OverwriteQuestionDecidesAndAFullDiskAsksAgain) {
  const std::string cOld = "old image";
  WriteFile(cDir + "\\DISCO.QVZ", cOld);
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  Remote oRemote(oFar);
  // Cancel keeps the old file.
  SendAndSave(oRemote, 31, 2, cDir + "\\disco.qvz");
  HWND hAsk = WaitForDialog("Attenzione");
  ASSERT_TRUE(hAsk);
  EXPECT_EQ(DialogText(hAsk), "Il file " + cDir + "\\disco.qvz gi\xE0 esiste. Lo sovrascrivo?");
  CancelDialog(hAsk);
  ASSERT_TRUE(oQvz.WaitForDisksDone(1));
  EXPECT_NE(oQvz.LogText().find("sectors 18 to 35\r\nDisk not saved: 2 tracks\r\nWaiting data"), std::string::npos);
  EXPECT_EQ(qvz::test::ContentOf(cDir + "\\DISCO.QVZ"), cOld);
  // OK replaces it.
  SendAndSave(oRemote, 32, 2, cDir + "\\disco");
  PressButton(WaitForDialog("Attenzione"), IDOK);
  ASSERT_TRUE(oQvz.WaitForDisksDone(2));
  EXPECT_TRUE(Holds(cDir + "\\DISCO.QVZ", tools::PatternDisk(32, 2)));
  // A full disk: the reason, the prompt again, the old file whole.
  const std::string cSmall = cDir + "\\piccolo";
  CreateDirectoryA(cSmall.c_str(), nullptr);
  SmallDisk oSmall(qvz::test::HostPath(cSmall));
  ASSERT_TRUE(oSmall.lMounted);
  WriteFile(cSmall + "\\PIENO.QVZ", std::string(20000, 'p'));
  SendAndSave(oRemote, 33, 40, cSmall + "\\pieno");
  PressButton(WaitForDialog("Attenzione"), IDOK);  // overwrite: yes
  HWND hError = WaitForDialog("Attenzione");
  ASSERT_TRUE(hError);
  EXPECT_EQ(DialogText(hError).rfind("Impossibile scrivere il file " + cSmall + "\\pieno.qvz.\r\n", 0), 0u)
      << DialogText(hError);
  PressButton(hError, IDOK);
  AnswerSavePrompt(WaitForDialog("Salva in"), cDir + "\\salvato");
  ASSERT_TRUE(oQvz.WaitForDisksDone(3));
  EXPECT_TRUE(Holds(cDir + "\\SALVATO.QVZ", tools::PatternDisk(33, 40)));
  EXPECT_NE(oQvz.LogText().find("Disk saved as " + cDir + "\\SALVATO.QVZ: 40 tracks, no track filled\r\n"),
            std::string::npos);
  EXPECT_EQ(qvz::test::ContentOf(cSmall + "\\PIENO.QVZ"), std::string(20000, 'p'));
  EXPECT_EQ(qvz::test::HostNamesIn(cSmall), std::vector<std::string>{"PIENO.QVZ"});  // no temporary file left
  oQvz.EndWithEscape(&oFar);
}

TEST_F(ReceiverTest, CloseRequestsOtherThanEscapeLeaveItOpen) {
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  PressKeys("alt+F4");
  Sleep(300);
  ReleaseKeys("alt+F4");
  PostMessageA(oQvz.hMain, WM_SYSCOMMAND, SC_CLOSE, 0);  // as the taskbar's Close does
  PostMessageA(oQvz.hMain, WM_CLOSE, 0, 0);
  Sleep(500);
  EXPECT_TRUE(IsWindowVisible(oQvz.hMain));
  EXPECT_EQ(oQvz.WaitForExit(0), -1);
  oQvz.EndWithEscape(&oFar);
}

// The one box says which port failed, why, and which ports there are: the
// prefix has the ports the tests map and the machine's own.
TEST_F(ReceiverTest, SettingsNameThePortAndAMissingPortEndsAfterOneMessage) {
  std::string cPorts;
  for (const std::string& cName : qvz::test::PrefixPortNames()) cPorts += (cPorts.empty() ? "" : ", ") + cName;
  ASSERT_FALSE(cPorts.empty());
  Settings("[Impostazioni]\r\nPorta=COM7\r\n");
  ReceiverProcess oQvz(cDir);
  HWND hMsg = WaitForDialog("Attenzione");
  ASSERT_TRUE(hMsg);
  EXPECT_EQ(DialogText(hMsg),
            "Errore di apertura della porta di comunicazione (COM7).\r\nFile not found.\r\nPorte disponibili: " +
                cPorts + ".");
  HWND hMain = FindWindowA(nullptr, "QVZ 1.00  (COM7:57600,N,8,1)");
  EXPECT_TRUE(!hMain || !IsWindowVisible(hMain));  // never shown
  PressButton(hMsg, IDOK);
  EXPECT_EQ(oQvz.WaitForExit(), 0);
  EXPECT_EQ(FindWindowA("#32770", "Attenzione"), nullptr);
}

TEST_F(ReceiverTest, FailedSetUpEndsTheProgramAlsoWithF4Held) {
  Settings("[Impostazioni]\r\nPorta=COM9\r\n");
  PressKeys("F4");
  ReceiverProcess oQvz(cDir);
  HWND hMsg = WaitForDialog("Attenzione");
  ASSERT_TRUE(hMsg);
  PressButton(hMsg, IDOK);
  EXPECT_EQ(oQvz.WaitForExit(), 0);
  ReleaseKeys("F4");
}

TEST_F(ReceiverTest, ProgramCarriesItsVersion) {
  const std::string cExe = qvz::test::WindowsPath(QVZ_EXE);
  DWORD nHandle = 0;
  std::string cInfo(GetFileVersionInfoSizeA(cExe.c_str(), &nHandle), '\0');
  ASSERT_FALSE(cInfo.empty());
  ASSERT_TRUE(GetFileVersionInfoA(cExe.c_str(), 0, static_cast<DWORD>(cInfo.size()), cInfo.data()));
  char* pText = nullptr;
  UINT nLength = 0;
  ASSERT_TRUE(VerQueryValueA(cInfo.data(), "\\StringFileInfo\\041004E4\\ProductVersion",
                             reinterpret_cast<void**>(&pText), &nLength));
  EXPECT_STREQ(pText, "1.00");
  ASSERT_TRUE(VerQueryValueA(cInfo.data(), "\\StringFileInfo\\041004E4\\ProductName",
                             reinterpret_cast<void**>(&pText), &nLength));
  EXPECT_STREQ(pText, "QVZ");
}

TEST_F(ReceiverTest, EmptyPortIsWrittenBackAsCom1) {
  Settings("[Impostazioni]\r\nPorta=\r\n");
  FarEnd oFar;
  ReceiverProcess oQvz(cDir);
  ASSERT_TRUE(oQvz.WaitForMainWindow());
  EXPECT_EQ(oQvz.Caption(), "QVZ 1.00  (COM1:57600,N,8,1)");
  EXPECT_NE(qvz::test::ContentOf(cDir + "\\QVZ.INI").find("Porta=COM1"), std::string::npos);
  oQvz.EndWithEscape(&oFar);
}

}  // namespace
}  // namespace qvz::app
