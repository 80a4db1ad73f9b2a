#include "support/start_up.h"

#include <gtest/gtest.h>

#include "folder_entries.h"
#include "harness/process_state.h"
#include "harness/temp_folder.h"
#include "harness/unix_command.h"
#include "runtime/date_text.h"
#include "runtime/environment.h"
#include "runtime/file_ops.h"
#include "support/access_variables.h"

namespace qvz::support {
namespace {

constexpr DWORD kNormal = FILE_ATTRIBUTE_NORMAL;
constexpr DWORD kFolder = FILE_ATTRIBUTE_DIRECTORY;

std::string MadeFolder(const std::string& cPath) {
  CreateDirectoryA(cPath.c_str(), nullptr);
  return cPath;
}

// Start-up runs with a working folder and a TEMP folder of its own.
class StartUpTest : public testing::Test {
 protected:
  test::TempFolder root;
  const std::string cWork = MadeFolder(root.Path() + "\\Work");
  const std::string cTemp = MadeFolder(root.Path() + "\\Temp");
  test::ScopedCurrentDirectory inWork{cWork};
  test::ScopedEnvironmentVariable tempVariable{"TEMP", cTemp};
};

TEST_F(StartUpTest, ErasesLeftoverFilesOfTheWorkingFolder) {
  const std::vector<FolderEntry> aEntries = {
      {"\x7F" "old.tmp", kNormal, false},
      {"\x7F" "ARCHIVE.TMP", FILE_ATTRIBUTE_ARCHIVE, false},
      {"\x7F" "READONLY.TMP", FILE_ATTRIBUTE_READONLY, true},  // listed, but not erasable
      {"\x7F" "HIDDEN.TMP", FILE_ATTRIBUTE_HIDDEN, true},
      {"\x7F" "SYSTEM.TMP", FILE_ATTRIBUTE_SYSTEM, true},
      {"\x7F" "FOLDER", kFolder, true},
      {"old.tmp", kNormal, true},
      {"old\x7F.tmp", kNormal, true},
  };
  MakeEntries(cWork, aEntries);
  StartUp();
  ExpectRemaining(cWork, aEntries);
}

// Each folder comes before what it holds.
TEST_F(StartUpTest, RemovesLeftoverFoldersUnderTemp) {
  const std::vector<FolderEntry> aEntries = {
      {"\x7F" "PLAIN", kFolder, false},
      {"\x7F" "PLAIN\\a.txt", kNormal, false},
      {"\x7F" "PLAIN\\h.txt", FILE_ATTRIBUTE_HIDDEN, false},
      {"\x7F" "EMPTY", kFolder, false},
      {"\x7F" "SUB", kFolder, true},
      {"\x7F" "SUB\\a.txt", kNormal, false},
      {"\x7F" "SUB\\h.txt", FILE_ATTRIBUTE_HIDDEN, false},
      {"\x7F" "SUB\\sub", kFolder, true},
      {"\x7F" "SUB\\sub\\a.txt", kNormal, true},
      {"\x7F" "SYSTEM", kFolder, true},
      {"\x7F" "SYSTEM\\a.txt", kNormal, false},
      {"\x7F" "SYSTEM\\s.txt", FILE_ATTRIBUTE_SYSTEM, true},
      {"\x7F" "HIDDEN", kFolder | FILE_ATTRIBUTE_HIDDEN, true},
      {"\x7F" "HIDDEN\\a.txt", kNormal, true},
      {"KEEP", kFolder, true},
      {"KEEP\\a.txt", kNormal, true},
      {"\x7F" "FILE.TMP", kNormal, true},
  };
  MakeEntries(cTemp, aEntries);
  StartUp();
  ExpectRemaining(cTemp, aEntries);
}

// Erasing goes in the platform's listing order and stops at the read-only
// file: the files listed before it go, it and those after it stay.
TEST_F(StartUpTest, ErasingAFolderStopsAtAReadOnlyFile) {
  const std::string cFolder = MadeFolder(cTemp + "\\\x7F" "RO");
  for (const char* cName : {"A.TXT", "B.TXT", "C.TXT", "D.TXT"}) test::MakeFile(cFolder + "\\" + cName);
  const auto aOrder = test::NamesIn(cFolder);
  ASSERT_EQ(aOrder.size(), 4u);
  ASSERT_TRUE(SetFileAttributesA((cFolder + "\\" + aOrder[1]).c_str(), FILE_ATTRIBUTE_READONLY));
  StartUp();
  ExpectRemaining(cFolder, {{aOrder[0], kNormal, false},
                            {aOrder[1], kNormal, true},
                            {aOrder[2], kNormal, true},
                            {aOrder[3], kNormal, true}});
  EXPECT_TRUE(test::Exists(cFolder));
}

TEST_F(StartUpTest, SetsTheEnvironment) {
  using runtime::Date;
  using runtime::SetItem;
  using runtime::Value;
  PublicAccess().ACS_USER = "ROSSI";
  PublicAccess().ACS_LEVEL = 9;
  SetErrorMode(0);
  StartUp();

  EXPECT_EQ(runtime::CTOD("01/02/79"), Date::FromDMY(1, 2, 2079));
  EXPECT_EQ(runtime::CTOD("01/02/80"), Date::FromDMY(1, 2, 1980));
  EXPECT_EQ(runtime::DTOC(Date::FromDMY(1, 2, 2079)), "01/02/2079");
  EXPECT_TRUE(runtime::SETCENTURY());
  const std::pair<SetItem, Value> aSettings[] = {
      {SetItem::DefaultDriver, "DBFCDX"}, {SetItem::DbfLockScheme, 4}, {SetItem::MemoExtension, ".DBT"},
      {SetItem::Confirm, true},           {SetItem::Deleted, true},    {SetItem::Epoch, 1980},
      {SetItem::FileCase, "UPPER"},       {SetItem::Margin, 5},
  };
  for (const auto& [eItem, xValue] : aSettings) EXPECT_EQ(runtime::SET(eItem), xValue);

  const std::string cDisks = MadeFolder(cWork + "\\Disks.Mixed");
  ASSERT_TRUE(runtime::MEMOWRIT(cDisks + "\\disk.qvz", "image", false));
  EXPECT_EQ(test::HostNamesIn(cDisks), std::vector<std::string>{"DISK.QVZ"});
  EXPECT_EQ(test::HostNamesIn(cWork), std::vector<std::string>{"Disks.Mixed"});

  EXPECT_EQ(PublicAccess().ACS_USER, "USER");
  EXPECT_EQ(PublicAccess().ACS_TEMP, "");
  EXPECT_EQ(PublicAccess().ACS_PASSWD, "");
  EXPECT_EQ(PublicAccess().ACS_LEVEL, 1);
  EXPECT_EQ(GetErrorMode() & SEM_FAILCRITICALERRORS, static_cast<UINT>(SEM_FAILCRITICALERRORS));
}

}  // namespace
}  // namespace qvz::support
