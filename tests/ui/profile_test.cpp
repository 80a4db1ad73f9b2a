#include "ui/profile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "harness/temp_folder.h"

namespace qvz::ui {
namespace {

class ProfileTest : public ::testing::Test {
 protected:
  std::string Contents() const { return qvz::test::ContentOf(cFile); }
  qvz::test::TempFolder oFolder;
  const std::string cFile = oFolder.Path() + "\\qvz-profile-test.ini";
};

TEST_F(ProfileTest, MissingFileGivesTheDefaultAndAWriteCreatesIt) {
  EXPECT_EQ(GETPVPROFSTRING("Impostazioni", "Porta", "", cFile), "");
  EXPECT_EQ(GETPVPROFSTRING("Impostazioni", "Porta", "COM9", cFile), "COM9");
  EXPECT_TRUE(WRITEPPROSTRING("Impostazioni", "Porta", "COM1", cFile));
  EXPECT_EQ(GETPVPROFSTRING("Impostazioni", "Porta", "", cFile), "COM1");
  EXPECT_NE(Contents().find("[Impostazioni]"), std::string::npos);
  EXPECT_NE(Contents().find("Porta=COM1"), std::string::npos);
}

TEST_F(ProfileTest, EmptyValueLongValueAndEntryList) {
  ASSERT_TRUE(WRITEPPROSTRING("S", "Empty", "", cFile));
  EXPECT_EQ(GETPVPROFSTRING("S", "Empty", "default", cFile), "");
  ASSERT_TRUE(WRITEPPROSTRING("S", "Long", std::string(5000, 'x'), cFile));
  EXPECT_EQ(GETPVPROFSTRING("S", "Long", "", cFile), std::string(4094, 'x'));
  EXPECT_EQ(GETPVPROFSTRING("S", std::nullopt, "", cFile), std::string("Empty\0Long\0", 11));
  // No value deletes the entry.
  ASSERT_TRUE(WRITEPPROSTRING("S", "Long", std::nullopt, cFile));
  EXPECT_EQ(GETPVPROFSTRING("S", "Long", "gone", cFile), "gone");
}

}  // namespace
}  // namespace qvz::ui
