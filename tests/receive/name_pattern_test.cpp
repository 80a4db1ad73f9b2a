#include "receive/name_pattern.h"

#include <gtest/gtest.h>

namespace qvz::receive {
namespace {

TEST(NamePatternTest, NamesFromAPattern) {
  struct {
    const char* cPattern;
    int n;
    const char* cName;
  } aCases[] = {
      {"DISK%03d", 7, "DISK007.QVZ"},
      {"DISK%03d", 1234, "DISK1234.QVZ"},
      {"side%d.img", 12, "SIDE12.IMG"},
      {"%02d", 3, "03.QVZ"},
      {"Disk %d", 1, "DISK 1.QVZ"},
      {"disk%d.", 1, "DISK1..QVZ"},  // a name ending with a dot has no extension
  };
  for (const auto& c : aCases) {
    const auto oPattern = NamePattern::Parse(c.cPattern);
    ASSERT_TRUE(oPattern) << c.cPattern;
    EXPECT_EQ(oPattern->Name(c.n), c.cName) << c.cPattern;
  }
}

TEST(NamePatternTest, APatternHoldsExactlyOneNumber) {
  for (const char* c : {"DISK", "DISK%d%d", "DISK%03d%d", "DISK%s", "DISK%3d", "DISK%00d", "DISK%%%d", "DISK%",
                        "DISK%0d", "a/DISK%d", ""})
    EXPECT_FALSE(NamePattern::Parse(c)) << c;
}

TEST(NamePatternTest, ATypedNameIsSavedAsTheWindowProgramSavesIt) {
  EXPECT_EQ(ImageFileName("mine"), "MINE.QVZ");
  EXPECT_EQ(ImageFileName("  mine.img "), "MINE.IMG");
  EXPECT_EQ(ImageFileName("caf\xE9"), "CAF\xE9.QVZ");  // only a to z change case
}

}  // namespace
}  // namespace qvz::receive
