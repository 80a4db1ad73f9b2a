#include <gtest/gtest.h>

#include "app/image_name.h"

namespace qvz::app {
namespace {

TEST(ImageNameTest, ExtensionIsAddedOnlyWhenTheLastPartHasNone) {
  struct {
    const char* cChosen;
    const char* cSaved;
  } aCases[] = {
      {"C:\\Work\\disk", "C:\\Work\\disk.qvz"},
      {"C:\\Work\\disk.", "C:\\Work\\disk..qvz"},
      {"C:\\Work\\disk.img", "C:\\Work\\disk.img"},
      {"C:\\a.b\\disk", "C:\\a.b\\disk.qvz"},
      {"C:disk", "C:disk.qvz"},
      {"C:\\Work\\disk.qvz  ", "C:\\Work\\disk.qvz  "},
      {"disk", "disk.qvz"},
  };
  for (auto c : aCases) EXPECT_EQ(WithImageExtension(c.cChosen), c.cSaved) << c.cChosen;
}

TEST(ImageNameTest, PromptStartsInTheCurrentDirectory) {
  EXPECT_EQ(InitialDirectory("C:\\Work\\Disks"), "C:\\Work\\Disks");
  EXPECT_EQ(InitialDirectory("c:\\Work\\Disks\\"), "C:\\Work\\Disks");
  EXPECT_EQ(InitialDirectory("C:\\"), "C:\\");
  EXPECT_EQ(InitialDirectory("\\\\server\\share\\disks"), "\\\\server\\share\\disks");
}

}  // namespace
}  // namespace qvz::app
