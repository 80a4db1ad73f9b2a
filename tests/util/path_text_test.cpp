#include <gtest/gtest.h>

#include "util/file_name_check.h"
#include "util/path_format.h"

namespace qvz::util {
namespace {

TEST(ShortPathTest, LongPathsKeepTheirDriveAndLastWholeComponents) {
  struct Case {
    const char* cPath;
    int nWidth;
    const char* cShort;
  } aCases[] = {
      {"C:\\Programs\\Accounting\\Data\\Archive", 20, "C:\\...\\Data\\Archive "},
      {"C:\\Programs\\Accounting\\Data\\Archive", 16, "C:\\...\\Archive  "},
      {"C:\\DATA   ", 8, "C:\\DATA "},
      {"\\Programs\\Accounting\\Archive", 16, "\\...\\Archive    "},
      {"C:\\Programs\\VeryLongFolderName", 12, "C:\\...erName"},
      {"C:\\Programs", 3, "C:\\"},
  };
  for (const auto& c : aCases) EXPECT_EQ(SHORTPATH(c.cPath, c.nWidth), c.cShort) << c.cPath << " in " << c.nWidth;
}

TEST(LfnFNameTest, RefusesWhatCannotNameAFile) {
  struct Case {
    const char* cName;
    bool lUsable;
  } aCases[] = {
      {"my file.txt", true},
      {"CONTI.DBF", true},
      {"console", true},
      {"com10", true},
      {"", false},
      {"   ", false},
      {"  com1  ", false},
      {"nul", false},
      {"LPT3", false},
      {"COM9", false},
      {"con.txt", false},
      {"a?b", false},
      {"a*b", false},
      {"a:b", false},
      {"a/b", false},
      {"a\\b", false},
      {"a|b", false},
      {"a<b>", false},
      {"\"q\"", false},
      {"tab\there", false},
  };
  for (const auto& c : aCases) EXPECT_EQ(LFNFNAME(c.cName), c.lUsable) << '"' << c.cName << '"';
}

TEST(FullPathTest, GivesTheDirectoryPartAndKeepsARootsBackslash) {
  struct Case {
    const char* cFile;
    const char* cDirectory;
  } aCases[] = {
      {"C:\\A\\B.TXT", "C:\\A"},
      {"C:\\A\\B\\..\\C.TXT", "C:\\A"},
      {"C:\\B.TXT", "C:\\"},
  };
  for (const auto& c : aCases) EXPECT_EQ(FULLPATH(c.cFile), c.cDirectory) << c.cFile;
}

}  // namespace
}  // namespace qvz::util
