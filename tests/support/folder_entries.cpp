#include "folder_entries.h"

#include <gtest/gtest.h>

#include "harness/temp_folder.h"

namespace qvz::support {

void MakeEntries(const std::string& cFolder, const std::vector<FolderEntry>& aEntries) {
  for (const auto& entry : aEntries) {
    const std::string cPath = cFolder + "\\" + entry.cName;
    if (entry.nAttributes & FILE_ATTRIBUTE_DIRECTORY)
      test::MakeFolder(cPath, entry.nAttributes);
    else
      test::MakeFile(cPath, entry.nAttributes);
  }
}

void ExpectRemaining(const std::string& cFolder, const std::vector<FolderEntry>& aEntries) {
  for (const auto& entry : aEntries)
    EXPECT_EQ(test::Exists(cFolder + "\\" + entry.cName), entry.lRemains) << cFolder << "\\" << entry.cName;
}

}  // namespace qvz::support
