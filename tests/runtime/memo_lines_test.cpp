#include "runtime/memo_lines.h"

#include <gtest/gtest.h>

namespace qvz::runtime {
namespace {

using Lines = std::vector<std::string>;

struct MemoCase {
  const char* cName;
  std::string cText;
  Lines aLines;
};

const std::string k79(79, 'x');

const MemoCase kCases[] = {
    {"empty", "", {}},
    {"one line", "uno", {"uno"}},
    {"CR LF and LF end lines", "uno\r\ndue\ntre", {"uno", "due", "tre"}},
    {"a break at the end starts no line", "uno\r\n", {"uno"}},
    {"empty lines count", "uno\r\n\r\ndue", {"uno", "", "due"}},
    {"79 characters fit", k79, {k79}},
    {"wrap at the last blank that fits", std::string(70, 'a') + " " + std::string(20, 'b'),
     {std::string(70, 'a'), std::string(20, 'b')}},
    {"a blank just past the limit", k79 + " due", {k79, "due"}},
    {"a blank just past the limit, at the end", k79 + " ", {k79}},
    {"a word longer than a line is cut", std::string(100, 'w'), {std::string(79, 'w'), std::string(21, 'w')}},
    {"a tab counts 4", "\t" + std::string(75, 'a') + " b", {"\t" + std::string(75, 'a'), "b"}},
    {"a tab that does not fit", std::string(76, 'a') + "\tb", {std::string(76, 'a'), "\tb"}},
};

TEST(MemoLinesTest, LinesBreakAndWrap) {
  for (const MemoCase& c : kCases) {
    SCOPED_TRACE(c.cName);
    EXPECT_EQ(MemoLines(c.cText), c.aLines);
    EXPECT_EQ(MLCOUNT(c.cText), static_cast<int>(c.aLines.size()));
  }
}

}  // namespace
}  // namespace qvz::runtime
