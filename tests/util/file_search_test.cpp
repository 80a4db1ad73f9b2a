#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "harness/temp_folder.h"
#include "util/file_search.h"
#include "util/wild_expand.h"

namespace qvz::util {
namespace {

TEST(FindFileTest, FillsTheRecordEntryByEntry) {
  test::TempFolder oTemp;
  test::MakeFile(oTemp.Path() + "\\ALFA.TXT", FILE_ATTRIBUTE_NORMAL, "12345");
  test::MakeFile(oTemp.Path() + "\\BETA.TXT", FILE_ATTRIBUTE_HIDDEN, "1");
  test::MakeFile(oTemp.Path() + "\\GAMMA.DAT");

  TWin32FindData oData = OWIN32FINDDATA();
  EXPECT_EQ(oData.cBuffer.size(), sizeof(WIN32_FIND_DATAA));
  std::map<std::string, std::pair<unsigned long, unsigned long>> aFound;  // name: size, hidden bit
  FindHandle hFind = FINDFIRSTFILE(oTemp.Path() + "\\*.TXT", oData.cBuffer);
  ASSERT_TRUE(hFind);
  do {
    EXPECT_EQ(oData.nFileSizeH(), 0u);
    EXPECT_NE(oData.cLastWTime(), std::string(8, '\0'));
    aFound[oData.cFileName()] = {oData.nFileSizeL(), oData.nFileAttr() & FILE_ATTRIBUTE_HIDDEN};
  } while (FINDNEXTFILE(hFind, oData.cBuffer));
  EXPECT_TRUE(FINDCLOSE(hFind));
  EXPECT_FALSE(FINDCLOSE(hFind));
  const decltype(aFound) aExpected = {{"ALFA.TXT", {5, 0}}, {"BETA.TXT", {1, FILE_ATTRIBUTE_HIDDEN}}};
  EXPECT_EQ(aFound, aExpected);
}

TEST(FindFileTest, NothingMatchingOpensNoSearchAndAShortBufferGrows) {
  test::TempFolder oTemp;
  std::string cShort;
  EXPECT_EQ(FINDFIRSTFILE(oTemp.Path() + "\\*.NONE", cShort).Get(), INVALID_HANDLE_VALUE);
  test::MakeFile(oTemp.Path() + "\\ONE.TXT");
  const FindHandle hFind = FINDFIRSTFILE(oTemp.Path() + "\\*.TXT", cShort);
  ASSERT_TRUE(hFind);
  TWin32FindData oData;
  oData.cBuffer = cShort;
  EXPECT_EQ(oData.cFileName(), "ONE.TXT");
}

TEST(WildExpTest, ListsMatchingFilesOfEachPatternButNoFolders) {
  test::TempFolder oTemp;
  test::MakeFile(oTemp.Path() + "\\ALFA.TXT");
  test::MakeFile(oTemp.Path() + "\\BETA.TXT", FILE_ATTRIBUTE_HIDDEN);
  test::MakeFile(oTemp.Path() + "\\GAMMA.DAT", FILE_ATTRIBUTE_READONLY);
  test::MakeFolder(oTemp.Path() + "\\DELTA.TXT");
  std::vector<std::string> aNames = WILDEXP({oTemp.Path() + "\\*.TXT", oTemp.Path() + "\\*.DAT"});
  ASSERT_EQ(aNames.size(), 3u);
  EXPECT_EQ(aNames[2], "GAMMA.DAT");
  std::sort(aNames.begin(), aNames.end());
  EXPECT_EQ(aNames, (std::vector<std::string>{"ALFA.TXT", "BETA.TXT", "GAMMA.DAT"}));
}

}  // namespace
}  // namespace qvz::util
