// The error report ends the program, so these tests run a small program of
// their own (error_report_child) and answer its report as the user would.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "harness/box_answerer.h"
#include "harness/temp_folder.h"
#include "runtime/unique_handle.h"
#include "support/error_report_mail.h"

namespace qvz::support {
namespace {

using runtime::UniqueHandle;
using test::BoxAnswerer;
using test::Press;

std::string TestFolder() {
  char aPath[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, aPath, sizeof aPath);
  std::string c = aPath;
  return c.substr(0, c.rfind('\\') + 1);
}

// A path in quotes, as a command line names a program.
std::string Quoted(const std::string& cPath) {
  std::string c(1, '"');
  c.append(cPath).push_back('"');
  return c;
}

// The mail catcher stands in for the mail program while a test runs: it is
// the prefix's handler for "mailto:" addresses, and the previous one comes
// back afterwards.
class MailCatcher {
 public:
  MailCatcher() {
    RegCreateKeyExA(HKEY_CLASSES_ROOT, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr);
    char aOld[1024];
    DWORD nSize = sizeof aOld;
    if (RegQueryValueExA(hKey, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(aOld), &nSize) == ERROR_SUCCESS)
      cPrevious = std::string(aOld, nSize ? nSize - 1 : 0), lHadPrevious = true;
    const std::string cCommand = Quoted(TestFolder() + "mail_catcher.exe") + " \"%1\"";
    RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(cCommand.c_str()),
                   static_cast<DWORD>(cCommand.size() + 1));
    char aTemp[MAX_PATH];
    GetTempPathA(sizeof aTemp, aTemp);
    cFile = std::string(aTemp) + "qvz_mail.txt";
    SetEnvironmentVariableA("QVZ_MAIL_FILE", cFile.c_str());
    DeleteFileA(cFile.c_str());
  }
  ~MailCatcher() {
    if (lHadPrevious)
      RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(cPrevious.c_str()),
                     static_cast<DWORD>(cPrevious.size() + 1));
    else
      RegDeleteValueA(hKey, nullptr);
    RegCloseKey(hKey);
    DeleteFileA(cFile.c_str());
  }
  MailCatcher(const MailCatcher&) = delete;
  MailCatcher& operator=(const MailCatcher&) = delete;

  // The address the mail program was given; waits for it up to 30 seconds.
  std::string Address() const {
    for (int i = 0; i < 3000 && !test::Exists(cFile); ++i) Sleep(10);
    return test::ContentOf(cFile);
  }
  bool Called() const { return test::Exists(cFile); }

 private:
  static constexpr const char* kKey = "mailto\\shell\\open\\command";
  HKEY hKey = nullptr;
  std::string cPrevious;
  bool lHadPrevious = false;
  std::string cFile;
};

struct ChildRun {
  DWORD nExitCode = 0;
  std::string cOutput;
  test::SeenBox oBox;
};

// Runs error_report_child with cMode in the folder cDir (the test's own
// when empty) and answers its question with nButton; bWhileAsking runs
// while the question is up.
ChildRun RunChild(const std::string& cMode, int nButton, const std::string& cDir = "",
                  std::function<bool()> bWhileAsking = nullptr) {
  ChildRun r;
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE hRead = nullptr, hWrite = nullptr;
  if (!CreatePipe(&hRead, &hWrite, &sa, 0)) return r;
  UniqueHandle hOutRead(hRead), hOutWrite(hWrite);
  SetHandleInformation(hOutRead.Get(), HANDLE_FLAG_INHERIT, 0);

  std::string cCommand = Quoted(TestFolder() + "error_report_child.exe") + " " + cMode;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = hOutWrite.Get();
  si.hStdError = hOutWrite.Get();
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, cCommand.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      cDir.empty() ? nullptr : cDir.c_str(), &si, &pi))
    return r;
  UniqueHandle hProcess(pi.hProcess), hThread(pi.hThread);
  hOutWrite.Reset();

  {
    BoxAnswerer oUser(pi.dwProcessId, "Attenzione", Press(nButton), std::move(bWhileAsking));
    r.oBox = oUser.Seen();
  }
  if (!r.oBox.lFound) TerminateProcess(hProcess.Get(), 99);
  char aBuf[512];
  DWORD nRead = 0;
  while (ReadFile(hOutRead.Get(), aBuf, sizeof aBuf, &nRead, nullptr) && nRead > 0) r.cOutput.append(aBuf, nRead);
  WaitForSingleObject(hProcess.Get(), INFINITE);
  GetExitCodeProcess(hProcess.Get(), &r.nExitCode);
  return r;
}

const char* const kReportInProcedure =
    "Error BASE/1132  Bound error & more; #1 at 100%41: array access;Function: ATTENDI  Line: 312";

std::string AsShown(std::string c) {
  for (std::size_t i = 0; (i = c.find(';', i)) != std::string::npos; i += 2) c.replace(i, 1, "\r\n");
  return c;
}

TEST(ErrorReportTest, CancelEndsTheProgramWithoutMail) {
  MailCatcher oMail;
  ChildRun r = RunChild("in-procedure", IDCANCEL);
  ASSERT_TRUE(r.oBox.lFound);
  EXPECT_EQ(r.oBox.cText, AsShown(std::string(kReportInProcedure) + ";;Inviare rapporto di errore via email?"));
  EXPECT_EQ(r.oBox.aButtons, (std::vector<int>{IDOK, IDCANCEL}));
  EXPECT_EQ(r.nExitCode, 1u);
  EXPECT_EQ(r.cOutput, "");
  EXPECT_FALSE(oMail.Called());
}

TEST(ErrorReportTest, OkHandsTheReportToTheMailProgramAndEndsTheProgram) {
  MailCatcher oMail;
  ChildRun r = RunChild("in-procedure", IDOK);
  ASSERT_TRUE(r.oBox.lFound);
  EXPECT_EQ(r.nExitCode, 1u);
  EXPECT_EQ(r.cOutput, "");
  const std::string cChild = TestFolder() + "error_report_child.exe";
  EXPECT_EQ(oMail.Address(),
            "mailto:?subject=Rapporto di errore&body=Applicazione: " + cChild +
                "%0d%0a%0d%0a"
                "Error BASE/1132  Bound error %26 more%0d%0a %231 at 100%2541: array access"
                "%0d%0aFunction: ATTENDI  Line: 312");
}

// The shut-down procedure runs on the way out: the temporary view index
// that the program's work left while the report was up is erased.
TEST(ErrorReportTest, TheEndAfterTheReportRunsTheShutDownProcedure) {
  MailCatcher oMail;
  test::TempFolder oWork;
  const std::string cView = oWork.Path() + "\\\x7F" "VIEW1.NTX";
  ChildRun r = RunChild("in-procedure", IDCANCEL, oWork.Path(), [&] {
    test::MakeFile(cView);
    return test::Exists(cView);
  });
  ASSERT_TRUE(r.oBox.lFound);
  ASSERT_TRUE(r.oBox.lCheck) << "the view index was made while the report was up";
  EXPECT_EQ(r.nExitCode, 1u);
  EXPECT_FALSE(test::Exists(cView));
}

TEST(ErrorReportTest, ErrorBeforeTheProgramEntryNamesNoFunction) {
  MailCatcher oMail;
  ChildRun r = RunChild("before-entry", IDCANCEL);
  ASSERT_TRUE(r.oBox.lFound);
  EXPECT_EQ(r.oBox.cText, AsShown("Error BASE/1132  Bound error & more; #1 at 100%41: array access;"
                                  "Function:   Line: 0;;Inviare rapporto di errore via email?"));
  EXPECT_EQ(r.nExitCode, 1u);
}

}  // namespace
}  // namespace qvz::support
