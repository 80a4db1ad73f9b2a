#include "receive/image_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "test_files.h"

namespace qvz::receive::test {
namespace {

TEST(ImageFileTest, AnExistingFileIsReplacedOnlyWhenAsked) {
  TempFolder oTemp;
  const std::string cFile = oTemp.Path() + "/DISK001.QVZ";
  WriteFile(cFile, "kept");
  EXPECT_EQ(WriteImageFile(oTemp.Path(), "DISK001.QVZ", "new image", false).e, Written::kExists);
  EXPECT_EQ(ReadFile(cFile), "kept");
  EXPECT_EQ(WriteImageFile(oTemp.Path(), "DISK001.QVZ", "new image", true).e, Written::kSaved);
  EXPECT_EQ(ReadFile(cFile), "new image");
  EXPECT_EQ(WriteImageFile(oTemp.Path(), "DISK002.QVZ", std::string(737280, '\xE5'), false).e, Written::kSaved);
  EXPECT_TRUE(ReadFile(oTemp.Path() + "/DISK002.QVZ") == std::string(737280, '\xE5'));
  // No temporary file is left, and the image gets a new file's usual rights.
  EXPECT_EQ(NamesIn(oTemp.Path()), (std::vector<std::string>{"DISK001.QVZ", "DISK002.QVZ"}));
  const mode_t nMask = umask(0);
  umask(nMask);
  struct stat st {};
  stat((oTemp.Path() + "/DISK002.QVZ").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0666 & ~nMask);
}

TEST(ImageFileTest, AFolderThatCannotTakeTheFileSaysWhy) {
  const WriteResult r = WriteImageFile("/nonexistent-folder", "DISK001.QVZ", "image", false);
  EXPECT_EQ(r.e, Written::kFailed);
  EXPECT_EQ(r.cError, "No such file or directory");
}

}  // namespace
}  // namespace qvz::receive::test
