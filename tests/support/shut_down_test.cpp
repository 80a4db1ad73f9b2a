#include "support/shut_down.h"

#include <gtest/gtest.h>

#include "folder_entries.h"
#include "harness/process_state.h"
#include "harness/temp_folder.h"
#include "runtime/file_ops.h"
#include "support/login_state.h"

namespace qvz::support {
namespace {

constexpr DWORD kNormal = FILE_ATTRIBUTE_NORMAL;

// The login state each test starts from and leaves behind: nobody logged in.
class ShutDownTest : public testing::Test {
 protected:
  ShutDownTest() { LogOut(); }
  ~ShutDownTest() override { LogOut(); }
  static void LogOut() {
    SETUSER(std::string(8, ' '));
    SETHUSER(runtime::UniqueHandle());
    SETPASSWORD("");
    SETTEMP("");
  }

  test::TempFolder root;
  test::ScopedCurrentDirectory inRoot{root.Path()};
};

TEST_F(ShutDownTest, WithoutALoginErasesOnlyTheViewIndexes) {
  const std::vector<FolderEntry> aEntries = {
      {"\x7F" "VIEW1.NTX", kNormal, false},
      {"\x7F" "view2.ntx", kNormal, false},
      {"\x7F" "VIEW.NTX", kNormal, false},
      {"\x7F" "VIEW3.NTX", FILE_ATTRIBUTE_HIDDEN, true},
      {"VIEW4.NTX", kNormal, true},
      {"\x7F" "VIEW5.IDX", kNormal, true},
      {"\x7F" "OTHER.NTX", kNormal, true},
      {"\x7F" "old.tmp", kNormal, true},
      {"USER.USR", kNormal, true},
  };
  MakeEntries(root.Path(), aEntries);
  ShutDown();
  ExpectRemaining(root.Path(), aEntries);
}

// The shared lock table the user's settings file depends on.
class ScopedLockTable {
 public:
  enum Kind { kNone, kFile, kFolder };
  explicit ScopedLockTable(Kind eKind) {
    if (eKind == kNone) return;
    if (!CreateDirectoryA("C:\\TARQ", nullptr)) ADD_FAILURE() << "C:\\TARQ exists already";
    if (eKind == kFile) test::MakeFile("C:\\TARQ\\NET");
    if (eKind == kFolder) test::MakeFolder("C:\\TARQ\\NET");
  }
  ~ScopedLockTable() {
    DeleteFileA("C:\\TARQ\\NET");
    RemoveDirectoryA("C:\\TARQ\\NET");
    RemoveDirectoryA("C:\\TARQ");
  }
  ScopedLockTable(const ScopedLockTable&) = delete;
  ScopedLockTable& operator=(const ScopedLockTable&) = delete;
};

TEST_F(ShutDownTest, ALoginIsReleased) {
  struct Case {
    bool lUserTemp;  // whether the login has a temporary directory
    ScopedLockTable::Kind eLockTable;
  } aCases[] = {
      {true, ScopedLockTable::kFile},
      {true, ScopedLockTable::kFolder},
      {false, ScopedLockTable::kNone},
      {false, ScopedLockTable::kFile},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(testing::Message() << "user temp " << c.lUserTemp << ", lock table " << c.eLockTable);
    test::TempFolder work;
    test::ScopedCurrentDirectory inWork(work.Path());
    const std::string cUserTemp = work.Path() + "\\USERTEMP";
    test::MakeFolder(cUserTemp);
    const std::vector<FolderEntry> aUserFiles = {{"USER", kNormal, !c.lUserTemp},
                                                 {"PAGE1.TMP", kNormal, !c.lUserTemp}};
    MakeEntries(cUserTemp, aUserFiles);
    const std::vector<FolderEntry> aWorkFiles = {
        {"ROSSI.USR", kNormal, c.eLockTable != ScopedLockTable::kFile}, {"KEEP.TXT", kNormal, true}};
    MakeEntries(work.Path(), aWorkFiles);
    ScopedLockTable lockTable(c.eLockTable);

    SETUSER("ROSSI");
    ASSERT_TRUE(SETHUSER(runtime::FOPEN(cUserTemp + "\\USER", 2 + 16)));
    SETTEMP(c.lUserTemp ? cUserTemp + "\\" : "");
    ShutDown();

    EXPECT_EQ(SETHUSER(), nullptr);
    EXPECT_EQ(test::Exists(cUserTemp), !c.lUserTemp);
    ExpectRemaining(cUserTemp, aUserFiles);
    ExpectRemaining(work.Path(), aWorkFiles);
    if (!c.lUserTemp) {
      EXPECT_TRUE(runtime::FOPEN(cUserTemp + "\\USER", 2 + 16)) << "the slot file is closed";
    }
    LogOut();
  }
}

}  // namespace
}  // namespace qvz::support
