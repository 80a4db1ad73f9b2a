#include "ui/file_prompt.h"

#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "dialog_answers.h"
#include "harness/scoped_setting.h"
#include "harness/temp_folder.h"
#include "runtime/file_ops.h"
#include "runtime/platform_name.h"

namespace qvz::ui {
namespace {

// The receiver's five arguments.
FilePromptArgs ReceiverArgs(const std::string& cDir) {
  FilePromptArgs a;
  a.cFilter = "File QVZ (*.qvz)|*.qvz";
  a.cTitle = "Salva in";
  a.cInitDir = cDir;
  a.lSave = true;
  return a;
}

TEST(FilePromptRequestTest, FlagsFilterTitleAndFilterIndex) {
  FilePromptRequest r = BuildFilePromptRequest(ReceiverArgs("C:\\"));
  EXPECT_EQ(r.nFlags, 0x80Cu);
  EXPECT_TRUE(r.lSave);
  EXPECT_EQ(r.cFilter.size(), 400u);
  EXPECT_EQ(std::wstring(r.cFilter.c_str()), L"File QVZ (*.qvz)");
  EXPECT_EQ(std::wstring(r.cFilter.c_str() + 17), L"*.qvz");
  EXPECT_EQ(r.cFilter[23], L'\0');

  FilePromptArgs a = ReceiverArgs("C:\\");
  a.cFilter = "A (*.a;*.b)|*.a;*.b|B|*.b|";  // a final bar changes nothing
  a.cTitle = std::string(300, 't');
  r = BuildFilePromptRequest(a);
  EXPECT_EQ(std::wstring(r.cFilter.c_str()), L"A (*.a;*.b)");
  EXPECT_EQ(std::wstring(r.cFilter.c_str() + 12), L"*.a;*.b");
  EXPECT_EQ(wcslen(r.cTitle.c_str()), 255u);

  struct {
    std::optional<int> nDef;
    DWORD nIndex;
  } aIndex[] = {{std::nullopt, 1}, {0, 1}, {256, 1}, {2, 2}, {258, 2}};
  for (auto c : aIndex) {
    a.nDefFilter = c.nDef;
    EXPECT_EQ(BuildFilePromptRequest(a).nFilterIndex, c.nIndex);
  }
  // Flags 0: computed; open prompts do not hide read-only.
  a.nFlags = 0;
  a.lSave = false;
  a.lLongNames = true;
  EXPECT_EQ(BuildFilePromptRequest(a).nFlags, 0x808u | 0x200000u);
  a.nFlags = 0x1234;
  EXPECT_EQ(BuildFilePromptRequest(a).nFlags, 0x1234u);
  // Unset save flag: a save prompt exactly when a name is given.
  a.lSave.reset();
  EXPECT_FALSE(BuildFilePromptRequest(a).lSave);
  a.cFileName = "x";
  EXPECT_TRUE(BuildFilePromptRequest(a).lSave);
}

// Answers the prompt from another thread as a user would: waits for the
// dialog of the given title, types a name (or nothing) and presses OK or Cancel.
class PromptUser {
 public:
  PromptUser(std::wstring cTitle, std::wstring cName, bool lOk)
      : worker([=, this] { Answer(cTitle, cName, lOk); }) {}
  ~PromptUser() { worker.join(); }
  std::wstring cSeenTitle;
  std::wstring cSeenFilter;

 private:
  void Answer(const std::wstring& cTitle, const std::wstring& cName, bool lOk) {
    HWND hDlg = tools::WaitForShownDialog(cTitle, 5000);
    if (!hDlg) return;
    wchar_t aText[512] = {};
    GetWindowTextW(hDlg, aText, 512);
    cSeenTitle = aText;
    HWND hFilter = GetDlgItem(hDlg, 0x470);  // the file-type list
    if (hFilter) {
      SendMessageW(hFilter, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(aText));
      cSeenFilter = aText;
    }
    // A prompt that did not take the name is cancelled, never left open.
    if (!lOk || !tools::AnswerFilePrompt(hDlg, cName)) tools::PressDialogButton(hDlg, IDCANCEL);
  }
  std::thread worker;
};

class FilePromptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateDirectoryW(cDir.c_str(), nullptr);
    GetCurrentDirectoryW(MAX_PATH, aCwd);
  }
  void TearDown() override {
    wchar_t aNow[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, aNow);
    EXPECT_STREQ(aNow, aCwd);  // the prompt never moves the current directory
  }
  std::string Dir() const { return runtime::NameFromPlatform(cDir); }
  qvz::test::TempFolder oFolder;
  const std::wstring cDir = runtime::AnsiToWide(oFolder.Path() + "\\qvz prompt");
  wchar_t aCwd[MAX_PATH];
};

TEST_F(FilePromptTest, ChosenNameComesBackWithItsFolder) {
  FilePromptResult r;
  std::wstring cTitle, cFilter;
  {
    PromptUser user(L"Salva in", cDir + L"\\disco1.qvz", true);
    r = CGETFILE(ReceiverArgs(Dir()));
    cTitle = user.cSeenTitle;
    cFilter = user.cSeenFilter;
  }
  ASSERT_TRUE(std::holds_alternative<std::string>(r));
  EXPECT_EQ(std::get<std::string>(r), Dir() + "\\disco1.qvz");
  EXPECT_EQ(cTitle, L"Salva in");
  EXPECT_EQ(cFilter, L"File QVZ (*.qvz)");
}

// The name that comes back is the one the file operations create: in the
// code page's bytes where they name the file, else in UTF-8.
TEST_F(FilePromptTest, ChosenNameIsTheFileTheFileOperationsMake) {
  const struct {
    const wchar_t* wChosen;
    std::string cReturned;
  } aCases[] = {
      {L"caf\u00E9.qvz", "caf\xE9.qvz"},                     // one byte a character
      {L"\u20AC.qvz", "\x80.qvz"},                           // the code page's euro sign
      {L"\u0100.qvz", "\xC4\x80.qvz"},                       // beyond the code page
      {L"\u00C3\u00A9.qvz", "\xC3\x83\xC2\xA9.qvz"},  // its bytes would read as UTF-8 for another name
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(runtime::NameFromPlatform(c.wChosen));
    FilePromptResult r;
    {
      PromptUser user(L"Salva in", cDir + L"\\" + c.wChosen, true);
      r = CGETFILE(ReceiverArgs(Dir()));
    }
    ASSERT_TRUE(std::holds_alternative<std::string>(r));
    const std::string& cName = std::get<std::string>(r);
    EXPECT_EQ(cName, Dir() + "\\" + c.cReturned);
    {
      runtime::ScopedSetting fileCase(runtime::SetItem::FileCase, "MIXED");
      EXPECT_TRUE(runtime::FCREATE(cName));
    }
    EXPECT_EQ(qvz::test::WideNamesIn(Dir()), std::vector<std::wstring>{c.wChosen});
    DeleteFileW((cDir + L"\\" + c.wChosen).c_str());
  }
}

TEST_F(FilePromptTest, MultipleSelectionGivesTheFolderThenEachName) {
  for (const wchar_t* cName : {L"\\a.qvz", L"\\b.qvz"})
    CloseHandle(CreateFileW((cDir + cName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  FilePromptArgs a;
  a.cFilter = "File QVZ (*.qvz)|*.qvz";
  a.cTitle = "Apri";
  a.cInitDir = Dir();
  a.lSave = false;
  a.nFlags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST;
  FilePromptResult r;
  {
    PromptUser user(L"Apri", L"\"a.qvz\" \"b.qvz\"", true);
    r = CGETFILE(a);
  }
  for (const wchar_t* cName : {L"\\a.qvz", L"\\b.qvz"}) DeleteFileW((cDir + cName).c_str());
  ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(r));
  EXPECT_EQ(std::get<std::vector<std::string>>(r), (std::vector<std::string>{Dir(), "a.qvz", "b.qvz"}));
}

TEST_F(FilePromptTest, CancelGivesEmptyAndSoDoesACallWithoutArguments) {
  FilePromptResult r;
  {
    PromptUser user(L"Salva in", L"", false);
    r = CGETFILE(ReceiverArgs(Dir()));
  }
  EXPECT_EQ(std::get<std::string>(r), "");
  EXPECT_EQ(std::get<std::string>(CGETFILE()), "");
}

}  // namespace
}  // namespace qvz::ui
