#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "harness/temp_folder.h"
#include "util/current_directory.h"
#include "util/drive_list.h"

namespace qvz::util {
namespace {

std::string CurrentDirectory() {
  char aDir[MAX_PATH];
  return std::string(aDir, GetCurrentDirectoryA(sizeof aDir, aDir));
}

// Makes the folder current for one test and the previous one current again after it.
class InFolder {
 public:
  explicit InFolder(const std::string& cFolder) : cPrevious(CurrentDirectory()) {
    SetCurrentDirectoryA(cFolder.c_str());
  }
  ~InFolder() { SetCurrentDirectoryA(cPrevious.c_str()); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::string cPrevious;
};

TEST(DirTest, TellsWhetherAFolderCanBeMadeCurrentAndStaysWhereItWas) {
  test::TempFolder oTemp;
  test::MakeFolder(oTemp.Path() + "\\SUB");
  InFolder oHere(oTemp.Path());
  EXPECT_TRUE(DIR("SUB"));
  EXPECT_FALSE(DIR("MISSING"));
  EXPECT_EQ(CurrentDirectory(), oTemp.Path());
  ASSERT_EQ(oTemp.Path().substr(1, 2), ":\\");
  const std::string cWithoutDrive = oTemp.Path().substr(2) + "\\";
  EXPECT_EQ(CURPATH(""), cWithoutDrive);
  EXPECT_EQ(CURPATH(oTemp.Path().substr(0, 1)), cWithoutDrive);
}

TEST(ADiskTest, ListsTheDrivesThatExist) {
  const std::vector<std::string> aDrives = ADISK(2);
  for (const char* cDrive : {"C:", "Z:"})
    EXPECT_NE(std::find(aDrives.begin(), aDrives.end(), cDrive), aDrives.end()) << cDrive;
}

}  // namespace
}  // namespace qvz::util
