#include <windows.h>

#include <gtest/gtest.h>

#include "harness/box_answerer.h"
#include "harness/temp_folder.h"
#include "runtime/sequence_break.h"
#include "util/disk_checks.h"
#include "util/file_erase.h"

namespace qvz::util {
namespace {

// Only a read-only file shows a message: the others must answer at once.
TEST(IsReadOnlyTest, OnlyAFileThatRefusesWritingSaysSo) {
  struct Case {
    const char* cName;
    DWORD nAttributes;  // 0: no such file
    bool lReadOnly;
  } aCases[] = {
      {"MISSING.TXT", 0, false},
      {"PLAIN.TXT", FILE_ATTRIBUTE_NORMAL, false},
      {"HIDDEN.TXT", FILE_ATTRIBUTE_HIDDEN, false},
      {"READONLY.TXT", FILE_ATTRIBUTE_READONLY, true},
  };
  test::TempFolder oTemp;
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.cName);
    const std::string cFile = oTemp.Path() + "\\" + c.cName;
    if (c.nAttributes) test::MakeFile(cFile, c.nAttributes);
    if (!c.lReadOnly) {
      EXPECT_FALSE(ISREADONLY(cFile));
      continue;
    }
    test::BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", test::Press(IDOK));
    EXPECT_TRUE(ISREADONLY(cFile));
    EXPECT_EQ(oUser.Seen().cText, "File non accessibile.");
  }
}

TEST(DelFileTest, ErasesAPlainFile) {
  test::TempFolder oTemp;
  const std::string cFile = oTemp.Path() + "\\PLAIN.TXT";
  test::MakeFile(cFile);
  EXPECT_TRUE(DELFILE(cFile));
  EXPECT_FALSE(test::Exists(cFile));
}

TEST(DelFileTest, AReadOnlyFileStaysAndTheOperationBreaksAfterTheMessage) {
  test::TempFolder oTemp;
  const std::string cFile = oTemp.Path() + "\\READONLY.TXT";
  test::MakeFile(cFile, FILE_ATTRIBUTE_READONLY);
  test::BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", test::Press(IDOK));
  bool lGoneOn = false;
  try {
    DELFILE(cFile);
    lGoneOn = true;
  } catch (const runtime::SequenceBreak& b) {
    EXPECT_EQ(b.oError.operation, "DELFILE");
    EXPECT_EQ(b.oError.filename, cFile);
  }
  EXPECT_FALSE(lGoneOn);
  EXPECT_EQ(oUser.Seen().cText, "File non accessibile.");
  EXPECT_TRUE(test::Exists(cFile));
}

TEST(IsFullTest, NoDriveIsNeverFullAndTooLittleSpaceSaysSo) {
  EXPECT_FALSE(ISFULL(""));
  EXPECT_FALSE(ISFULL("C:", 1));
  test::BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", test::Press(IDOK));
  EXPECT_TRUE(ISFULL("C:", 1LL << 62));
  EXPECT_EQ(oUser.Seen().cText, "Spazio su disco insufficiente.");
}

TEST(IsReadyTest, AMissingDriveIsNotReadyAndSaysSoOnlyWhenAsked) {
  EXPECT_TRUE(ISREADY("C:"));
  EXPECT_FALSE(ISREADY("Q:", false));
  test::BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", test::Press(IDOK));
  EXPECT_FALSE(ISREADY("Q:"));
  EXPECT_EQ(oUser.Seen().cText, "Disco non pronto.");
}

}  // namespace
}  // namespace qvz::util
