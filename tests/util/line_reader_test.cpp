#include "util/line_reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "harness/temp_folder.h"
#include "runtime/file_ops.h"

namespace qvz::util {
namespace {

std::vector<std::string> AllLines(const std::string& cFile, int nWidth) {
  const runtime::UniqueHandle hFile = runtime::FOPEN(cFile);
  std::vector<std::string> aLines;
  while (auto cLine = FREADLINE(hFile.Get(), nWidth)) aLines.push_back(*cLine);
  return aLines;
}

TEST(FReadLineTest, ReadsLinesAndPiecesOfLongOnes) {
  struct Case {
    const char* cName;
    std::string cContent;
    int nWidth;
    std::vector<std::string> aLines;
  } aCases[] = {
      {"lines with an empty one", "one\r\n\r\nthree\r\n", 128, {"one", "", "three"}},
      {"last line without CR LF", "one\r\ntwo", 128, {"one", "two"}},
      {"longer than the width", "abcdefghij\r\nxy\r\n", 4, {"abcd", "efgh", "ij", "xy"}},
      {"exactly the width", "abcd\r\nef", 4, {"abcd", "", "ef"}},
      {"CR at the end of the width", "abc\r\nd", 4, {"abc", "d"}},
      {"CR without LF keeps the next byte", "a\rb\r\n", 128, {"a", "b"}},
      {"empty file", "", 128, {}},
  };
  test::TempFolder oTemp;
  for (const auto& c : aCases) {
    const std::string cFile = oTemp.Path() + "\\LINES.TXT";
    ASSERT_TRUE(runtime::MEMOWRIT(cFile, c.cContent, false));
    EXPECT_EQ(AllLines(cFile, c.nWidth), c.aLines) << c.cName;
  }
}

TEST(FReadLineTest, PiecesOfALineLongerThanTheWidthLoseNoByte) {
  std::string cLine;
  for (int i = 0; i < 1000; ++i) cLine += static_cast<char>('!' + i % 90);
  test::TempFolder oTemp;
  const std::string cFile = oTemp.Path() + "\\LONG.TXT";
  ASSERT_TRUE(runtime::MEMOWRIT(cFile, cLine + "\r\nend\r\n", false));
  std::string cJoined;
  for (const std::string& cPiece : AllLines(cFile, 7)) cJoined += cPiece + "|";
  std::string cExpected;
  for (std::size_t i = 0; i < cLine.size(); i += 7) cExpected += cLine.substr(i, 7) + "|";
  EXPECT_EQ(cJoined, cExpected + "end|");
}

}  // namespace
}  // namespace qvz::util
