#include "util/profile_sections.h"

#include <gtest/gtest.h>

#include "harness/temp_folder.h"
#include "ui/profile.h"

namespace qvz::util {
namespace {

TEST(ProfileSectionsTest, ListsTheSectionsAndTheEntriesOfOne) {
  test::TempFolder oTemp;
  const std::string cFile = oTemp.Path() + "\\QVZ.INI";
  for (const char* cEntry : {"Mario", "Anna", "Luca"}) ui::WRITEPPROSTRING("Utenti", cEntry, "1", cFile);
  ui::WRITEPPROSTRING("Impostazioni", "Porta", "COM1", cFile);

  EXPECT_EQ(GETPVPROFSECTIONNAMES(cFile), (std::vector<std::string>{"Utenti", "Impostazioni"}));
  EXPECT_EQ(GETPVPROFSECTION("Utenti", cFile), (std::vector<std::string>{"Mario", "Anna", "Luca"}));
  EXPECT_TRUE(GETPVPROFSECTION("Assente", cFile).empty());
}

TEST(ProfileSectionsTest, TheBufferIsNeverOverrun) {
  test::TempFolder oTemp;
  const std::string cFile = oTemp.Path() + "\\QVZ.INI";
  ui::WRITEPPROSTRING("Impostazioni", "Porta", "COM1", cFile);
  std::string cBuffer(4, '\0');
  GETPRIVATEPROFILESECTIONNAMES(cBuffer, 65536, cFile);
  // The platform cuts the last name to end the list with two NULs.
  EXPECT_EQ(cBuffer, std::string("Im\0\0", 4));
}

}  // namespace
}  // namespace qvz::util
