#include "util/directory_tree.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "harness/box_answerer.h"
#include "harness/temp_folder.h"
#include "harness/unix_command.h"
#include "runtime/unique_handle.h"

namespace qvz::util {
namespace {

using test::ContentOf;
using test::Exists;
using test::MakeFile;
using test::MakeFolder;

runtime::UniqueHandle OpenFolder(const std::string& cFolder, DWORD nAccess) {
  return runtime::UniqueHandle(CreateFileA(cFolder.c_str(), nAccess, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

unsigned long long LastWriteOf(const std::string& cFolder) {
  FILETIME t{};
  GetFileTime(OpenFolder(cFolder, FILE_READ_ATTRIBUTES).Get(), nullptr, nullptr, &t);
  return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

void SetLastWrite(const std::string& cFolder, WORD nYear) {
  SYSTEMTIME s{};
  s.wYear = nYear;
  s.wMonth = 3;
  s.wDay = 4;
  s.wHour = 5;
  FILETIME t;
  SystemTimeToFileTime(&s, &t);
  ASSERT_TRUE(SetFileTime(OpenFolder(cFolder, FILE_WRITE_ATTRIBUTES).Get(), nullptr, nullptr, &t)) << cFolder;
}

DWORD AttributesOf(const std::string& cPath) { return GetFileAttributesA(cPath.c_str()); }

TEST(CopyDirTest, CopiesHiddenAndReadOnlyFilesAndKeepsTheFolderTimes) {
  test::TempFolder oTemp;
  const std::string cSource = oTemp.Path() + "\\SOURCE";
  const std::string cTarget = oTemp.Path() + "\\TARGET";
  MakeFolder(cSource);
  MakeFolder(cSource + "\\SUB");
  MakeFile(cSource + "\\PLAIN.TXT", FILE_ATTRIBUTE_NORMAL, "plain");
  MakeFile(cSource + "\\HIDDEN.TXT", FILE_ATTRIBUTE_HIDDEN, "hidden");
  MakeFile(cSource + "\\READONLY.TXT", FILE_ATTRIBUTE_READONLY, "read-only");
  MakeFile(cSource + "\\SUB\\DEEP.TXT", FILE_ATTRIBUTE_NORMAL, "deep");
  SetLastWrite(cSource + "\\SUB", 2001);
  SetLastWrite(cSource, 1999);

  EXPECT_TRUE(COPYDIR(cSource, cTarget));

  for (const char* cFolder : {"", "\\SUB"})
    EXPECT_EQ(LastWriteOf(cTarget + cFolder), LastWriteOf(cSource + cFolder)) << "TARGET" << cFolder;
  struct Copied {
    const char* cName;
    DWORD nAttribute;
  } aFiles[] = {{"\\PLAIN.TXT", 0},
                {"\\HIDDEN.TXT", FILE_ATTRIBUTE_HIDDEN},
                {"\\READONLY.TXT", FILE_ATTRIBUTE_READONLY},
                {"\\SUB\\DEEP.TXT", 0}};
  for (const Copied& f : aFiles) {
    EXPECT_EQ(ContentOf(cTarget + f.cName), ContentOf(cSource + f.cName)) << f.cName;
    EXPECT_EQ(AttributesOf(cTarget + f.cName) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY), f.nAttribute)
        << f.cName;
  }
}

TEST(CopyDirTest, AnExistingTargetIsReportedWhenItWouldBeCreated) {
  test::TempFolder oTemp;
  test::BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", test::Press(IDOK));
  EXPECT_FALSE(COPYDIR(oTemp.Path(), oTemp.Path()));
  EXPECT_EQ(oUser.Seen().cText, "Impossibile creare la cartella " + oTemp.Path() + ".");
}

TEST(DeleteDirTest, ErasesEveryKindOfEntryAndRemovesTheTopOnlyWhenAsked) {
  for (bool lRemove : {false, true}) {
    SCOPED_TRACE(lRemove ? "removing the top folder" : "keeping the top folder");
    test::TempFolder oTemp;
    const std::string cTop = oTemp.Path() + "\\TOP";
    MakeFolder(cTop);
    MakeFile(cTop + "\\PLAIN.TXT");
    MakeFile(cTop + "\\HIDDEN.TXT", FILE_ATTRIBUTE_HIDDEN);
    MakeFile(cTop + "\\SYSTEM.TXT", FILE_ATTRIBUTE_SYSTEM);
    MakeFolder(cTop + "\\SUB");
    MakeFile(cTop + "\\SUB\\READONLY.TXT", FILE_ATTRIBUTE_READONLY);
    MakeFolder(cTop + "\\SUB\\HIDDEN", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    MakeFile(cTop + "\\SUB\\HIDDEN\\DEEP.TXT");

    EXPECT_TRUE(DELETEDIR(cTop, lRemove));

    EXPECT_EQ(Exists(cTop), !lRemove);
    if (!lRemove) {
      EXPECT_TRUE(test::NamesIn(cTop).empty());
    }
  }
}

// A host folder seen through drive Z: holding a tree whose folder LINK is a
// host symbolic link to a folder OUTSIDE it; the platform here cannot make
// links or junctions itself, but shows a host link as one.
class LinkedTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const test::UnixResult made = test::RunUnix(
        "d=$(mktemp -d) && mkdir \"$d/OUTSIDE\" \"$d/TREE\" && echo keep >\"$d/OUTSIDE/KEEP.TXT\" &&"
        " echo x >\"$d/TREE/FILE.TXT\" && ln -s \"$d/OUTSIDE\" \"$d/TREE/LINK\" && printf %s \"$d\"");
    ASSERT_EQ(made.nExitCode, 0) << made.cOutput;
    cHostFolder = made.cOutput;
    const std::string cRoot = test::WindowsPath(cHostFolder);
    cTree = cRoot + "\\TREE";
    cKept = cRoot + "\\OUTSIDE\\KEEP.TXT";
  }
  void TearDown() override {
    if (!cHostFolder.empty()) test::RunUnix("rm -rf '" + cHostFolder + "'");
  }

  std::string cHostFolder;
  std::string cTree;
  std::string cKept;
};

TEST_F(LinkedTreeTest, CopyDirLeavesTheLinkOut) {
  test::TempFolder oTemp;
  const std::string cTarget = oTemp.Path() + "\\COPY";
  EXPECT_TRUE(COPYDIR(cTree, cTarget));
  EXPECT_EQ(test::NamesIn(cTarget), std::vector<std::string>{"FILE.TXT"});
}

TEST_F(LinkedTreeTest, DeleteDirRemovesOnlyTheLinkNotWhatItPointsTo) {
  const std::string cLink = cTree + "\\LINK";
  // Removing a host link through drive Z: fails here, which DELETEDIR reports.
  test::BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", test::Press(IDOK));
  const bool lDeleted = DELETEDIR(cTree);

  EXPECT_EQ(ContentOf(cKept), "keep\n");
  EXPECT_EQ(lDeleted, !Exists(cLink));
  if (!lDeleted) {
    EXPECT_EQ(oUser.Seen().cText, "Impossibile cancellare la cartella " + cLink + ".");
  }
}

}  // namespace
}  // namespace qvz::util
