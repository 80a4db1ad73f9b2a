#include "ui/profile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace qvz::ui {
namespace {

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char aTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, aTemp);
    cFile = std::string(aTemp) + "qvz-profile-test.ini";
    DeleteFileA(cFile.c_str());
  }
  void TearDown() override { DeleteFileA(cFile.c_str()); }
  std::string Contents() const {
    std::ifstream in(cFile, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  std::string cFile;
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
