#include "runtime/file_ops.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "harness/temp_folder.h"
#include "harness/unix_command.h"
#include "runtime/directory.h"
#include "runtime/file_error.h"
#include "harness/scoped_setting.h"

namespace qvz::runtime {
namespace {

using test::NamesIn;
using test::TempFolder;
using test::WideNamesIn;
using Names = std::vector<std::string>;

Names Sorted(Names aNames) {
  std::sort(aNames.begin(), aNames.end());
  return aNames;
}

Names ListedNames(const std::string& cPattern, const std::optional<std::string>& cAttributes = std::nullopt) {
  Names aNames;
  for (const auto& entry : DIRECTORY(cPattern, cAttributes)) aNames.push_back(entry.cName);
  return Sorted(aNames);
}

TEST(FileOpsTest, FileCaseChangesTheNameAndNotItsFolder) {
  struct Case {
    const char* cFileCase;
    const char* cGiven;
    const char* cCreated;  // as the host lists it
  } aCases[] = {
      {"UPPER", "disk.qvz", "DISK.QVZ"},
      {"UPPER", "caff\xE8.txt", "CAFF\xC3\xA8.TXT"},  // only a to z change; the host's name in UTF-8
      {"MIXED", "disk.qvz", "disk.qvz"},
      {"LOWER", "Disk.QVZ", "disk.qvz"},
  };
  for (const auto& c : aCases) {
    TempFolder root;
    const std::string cFolder = root.Path() + "\\Disks.Mixed";
    test::MakeFolder(cFolder);
    ScopedSetting fileCase(SetItem::FileCase, c.cFileCase);
    ASSERT_TRUE(MEMOWRIT(cFolder + "\\" + c.cGiven, "data", false));
    EXPECT_TRUE(FILEEXISTS(cFolder + "\\" + c.cGiven));
    EXPECT_EQ(test::HostNamesIn(root.Path()), Names{"Disks.Mixed"});
    EXPECT_EQ(test::HostNamesIn(cFolder), Names{c.cCreated}) << c.cFileCase << " " << c.cGiven;
  }
}

// A name beyond the code page comes as UTF-8 and must reach the platform as
// that name, not as the code page's reading of its bytes.
TEST(FileOpsTest, NamesReachThePlatformByTheNameRule) {
  struct Case {
    std::string cGiven;
    std::wstring wCreated;
  } aCases[] = {
      {"\xC4\x80.txt", L"\u0100.txt"},                  // UTF-8, beyond 255
      {"\xE2\x82\xAC.txt", L"\u20AC.txt"},              // UTF-8 euro sign
      {"\xC3\xA8.txt", L"\u00E8.txt"},                  // UTF-8 within 255
      {"caff\xE8.txt", L"caff\u00E8.txt"},              // Windows-1252
      {"\xC0\xAF.txt", L"\u00C0\u00AF.txt"},            // overlong: not UTF-8
      {"\xED\xA0\x80.txt", L"\u00ED\u00A0\u20AC.txt"},  // a surrogate: not UTF-8
      {"\xC4.txt", L"\u00C4.txt"},                      // cut short: not UTF-8
  };
  ScopedSetting fileCase(SetItem::FileCase, "MIXED");
  TempFolder folder;
  for (const auto& c : aCases) {
    const std::string cPath = folder.Path() + "\\" + c.cGiven;
    ASSERT_TRUE(FCREATE(cPath)) << c.cGiven;
    EXPECT_EQ(WideNamesIn(folder.Path()), std::vector<std::wstring>{c.wCreated}) << c.cGiven;
    EXPECT_TRUE(FILEEXISTS(cPath));
    EXPECT_TRUE(FOPEN(cPath));
    EXPECT_TRUE(FERASE(cPath));
    EXPECT_TRUE(NamesIn(folder.Path()).empty());
  }
}

TEST(FileOpsTest, ListedNamesFindTheirFilesAgain) {
  ScopedSetting fileCase(SetItem::FileCase, "UPPER");
  TempFolder folder;
  const std::wstring wFolder = std::wstring(folder.Path().begin(), folder.Path().end()) + L"\\";
  for (const wchar_t* wName : {L"\u0100.txt", L"caff\u00E8.txt", L"\u00C3\u00A8.txt"}) {
    const HANDLE hFile = CreateFileW((wFolder + wName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    CloseHandle(hFile);
  }
  // The 1252 reading of the last name would be taken for UTF-8, so it
  // comes back in UTF-8.
  const Names aListed = ListedNames(folder.Path() + "\\*.*");
  EXPECT_EQ(aListed, Sorted({"\xC4\x80.txt", "caff\xE8.txt", "\xC3\x83\xC2\xA8.txt"}));
  for (const auto& cName : aListed) EXPECT_TRUE(FERASE(folder.Path() + "\\" + cName)) << cName;
  EXPECT_TRUE(NamesIn(folder.Path()).empty());
}

TEST(FileOpsTest, ListingFollowsTheAskedAttributes) {
  TempFolder folder;
  const std::string cDir = folder.Path() + "\\";
  test::MakeFile(cDir + "PLAIN.TXT");
  test::MakeFile(cDir + "RO.TXT", FILE_ATTRIBUTE_READONLY);
  test::MakeFile(cDir + "HIDDEN.TXT", FILE_ATTRIBUTE_HIDDEN);
  test::MakeFile(cDir + "SYSTEM.TXT", FILE_ATTRIBUTE_SYSTEM);
  test::MakeFolder(cDir + "SUB");
  struct Case {
    const char* cAttributes;
    Names aNames;
  } aCases[] = {
      {"", {"PLAIN.TXT", "RO.TXT"}},
      {"RH", {"HIDDEN.TXT", "PLAIN.TXT", "RO.TXT"}},
      {"s", {"PLAIN.TXT", "RO.TXT", "SYSTEM.TXT"}},
      {"D", {".", "..", "PLAIN.TXT", "RO.TXT", "SUB"}},
  };
  for (const auto& c : aCases) EXPECT_EQ(ListedNames(cDir, c.cAttributes), c.aNames) << c.cAttributes;

  const std::pair<const char*, char> aLetters[] = {{"RO.TXT", 'R'}, {"HIDDEN.TXT", 'H'}, {"SYSTEM.TXT", 'S'}, {"SUB", 'D'}};
  const auto aEntries = DIRECTORY(cDir, "HSD");
  for (const auto& [cName, cLetter] : aLetters) {
    const auto entry = std::find_if(aEntries.begin(), aEntries.end(), [&](auto& e) { return e.cName == cName; });
    ASSERT_NE(entry, aEntries.end()) << cName;
    EXPECT_NE(entry->cAttributes.find(cLetter), std::string::npos) << cName << " " << entry->cAttributes;
  }
  EXPECT_TRUE(FILEEXISTS(cDir + "HIDDEN.TXT"));
  EXPECT_TRUE(FILEEXISTS(cDir + "*.TXT"));
  EXPECT_FALSE(FILEEXISTS(cDir + "SUB"));
  EXPECT_FALSE(FILEEXISTS(cDir + "MISSING.TXT"));
}

TEST(FileOpsTest, WholeFileWrite) {
  TempFolder folder;
  const std::string cPath = folder.Path() + "\\IMAGE.QVZ";
  const auto size = [&] { return DIRECTORY(cPath).at(0).nSize; };
  ASSERT_TRUE(MEMOWRIT(cPath, std::string(5000, '\x1A')));
  EXPECT_EQ(size(), 5001);  // the end-of-file byte follows
  ASSERT_TRUE(MEMOWRIT(cPath, std::string("a\0b", 3), false));
  EXPECT_EQ(size(), 3);
  ASSERT_TRUE(MEMOWRIT(cPath, "", false));
  EXPECT_EQ(size(), 0);

  EXPECT_FALSE(MEMOWRIT(folder.Path() + "\\MISSING\\IMAGE.QVZ", "data", false));
  EXPECT_EQ(FERROR(), ERROR_PATH_NOT_FOUND);
}

TEST(FileOpsTest, CreatedFilesAreHeldExclusively) {
  TempFolder folder;
  const std::string cPath = folder.Path() + "\\SLOT";
  EXPECT_FALSE(FOPEN(cPath));
  EXPECT_EQ(FERROR(), ERROR_FILE_NOT_FOUND);
  const UniqueHandle hSlot = FCREATE(cPath);
  ASSERT_TRUE(hSlot);
  EXPECT_EQ(FERROR(), 0);
  EXPECT_FALSE(FOPEN(cPath, 64));
  EXPECT_EQ(FERROR(), ERROR_SHARING_VIOLATION);
  EXPECT_FALSE(FERASE(cPath));
}

}  // namespace
}  // namespace qvz::runtime
