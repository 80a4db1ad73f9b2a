#include "compare/compare_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "image_folder.h"
#include "outcome.h"

namespace qvz::compare {
namespace {

using test::ImageFolder;
using test::Outcome;
using test::TestImage;

Outcome RunWith(const std::vector<std::string>& aArgs) {
  std::ostringstream oOut, oErr;
  const int nExit = RunCompare(aArgs, oOut, oErr);
  return {nExit, oOut.str(), oErr.str()};
}

std::string WithByte(std::string cImage, std::size_t nOffset, char cByte) {
  cImage[nOffset] = cByte;
  return cImage;
}

std::string WithZeroSector(std::string cImage, std::size_t nOffset) {
  cImage.replace(nOffset, 256, 256, '\0');
  return cImage;
}

// File offsets of sectors, worked out by hand from the layout.
constexpr std::size_t kSide1Track4Sector5 = 3 * 4608 + 5 * 256;  // one side: as received
constexpr std::size_t kLastSectorOf200192 = 199936;              // side 1 track 44 sector 7
constexpr std::size_t kSide2Track80Sector0 = 79 * 9216 + 4608;   // 732672
constexpr std::size_t kSide2Track80Sector17 = 737280 - 256;
constexpr std::size_t kSide1Track2Sector3 = 9216 + 3 * 256;
constexpr std::size_t kSide2Track1Sector1 = 4608 + 256;

struct CompareCase {
  const char* cWhat;
  std::vector<std::string> aImages;  // the first is written as a.qvz, then b.qvz, ...
  int nExit;
  std::string cOut;
};

TEST(CompareRunTest, PrintsOneLinePerDifferingSector) {
  const std::string cOneSide = TestImage(184320, 1);
  const std::string cOdd = TestImage(200192, 2);
  const std::string cFull = TestImage(737280, 3);
  const CompareCase aCases[] = {
      {"identical", {cOneSide, cOneSide}, 0, "identical: 720 sectors\n"},
      {"one byte in a single-sided image",
       {cOneSide, WithByte(cOneSide, kSide1Track4Sector5 + 7, '\0')},
       1,
       "side 1 track 4 sector 5 (log sector 59): 1 byte differs\n"
       "differing sectors: 1 of 720\n"},
      {"the last received track of 200192 bytes",
       {WithByte(cOdd, kLastSectorOf200192 + 255, 'x'), cOdd},
       1,
       "side 1 track 44 sector 7 (log sector 781): 1 byte differs\n"
       "differing sectors: 1 of 782\n"},
      {"the last received track of a full image",
       {cFull, WithByte(WithByte(cFull, kSide2Track80Sector0 + 1, 'x'), kSide2Track80Sector17 + 255, 'y')},
       1,
       "side 2 track 80 sector 0 (log sector 2862): 1 byte differs\n"
       "side 2 track 80 sector 17 (log sector 2879): 1 byte differs\n"
       "differing sectors: 2 of 2880\n"},
      {"a zero-filled sector",
       {cFull, WithZeroSector(cFull, kSide1Track2Sector3)},
       1,
       "side 1 track 2 sector 3 (log sector 21): 256 bytes differ; only zeros: b.qvz\n"
       "differing sectors: 1 of 2880\n"},
      {"four images, an odd one out in two sectors",
       {cFull, WithZeroSector(cFull, kSide1Track2Sector3), cFull, WithByte(cFull, kSide2Track1Sector1, 'x')},
       1,
       "side 2 track 1 sector 1 (log sector 1441): 1 byte differs; odd one out: d.qvz\n"
       "side 1 track 2 sector 3 (log sector 21): 256 bytes differ; odd one out: b.qvz; only zeros: b.qvz\n"
       "differing sectors: 2 of 2880\n"},
      {"three images, no two alike in a sector",
       {cFull, WithByte(cFull, kSide2Track1Sector1, 'x'), WithByte(cFull, kSide2Track1Sector1 + 1, 'y')},
       1,
       "side 2 track 1 sector 1 (log sector 1441): 2 bytes differ; no agreeing majority\n"
       "differing sectors: 1 of 2880\n"},
      {"two against one, twice",
       {cFull, WithByte(cFull, 0, 'x'), WithByte(cFull, 0, 'x')},
       1,
       "side 1 track 1 sector 0 (log sector 0): 1 byte differs; odd one out: a.qvz\n"
       "differing sectors: 1 of 2880\n"},
      {"empty images", {"", "", ""}, 0, "identical: 0 sectors\n"},
  };
  for (const CompareCase& oCase : aCases) {
    ImageFolder oFolder;
    std::vector<std::string> aNames;
    for (const std::string& cImage : oCase.aImages) {
      aNames.push_back(std::string(1, static_cast<char>('a' + aNames.size())) + ".qvz");
      oFolder.Write(aNames.back(), cImage);
    }
    EXPECT_EQ(RunWith(aNames), (Outcome{oCase.nExit, oCase.cOut, ""})) << oCase.cWhat;
  }
}

struct BadCase {
  const char* cWhat;
  std::vector<std::string> aArgs;
  std::string cErr;  // what the one line on the error stream begins with
};

TEST(CompareRunTest, BadInputGivesOneLineAndExitTwo) {
  ImageFolder oFolder;
  oFolder.Write("full.qvz", TestImage(737280));
  oFolder.Write("side.qvz", TestImage(368640));
  oFolder.Write("short.qvz", TestImage(200000));
  oFolder.Write("long.qvz", TestImage(737536));
  const std::string cUsage = "; usage: qvz-compare FIRST SECOND [MORE...] [--merge OUT]\n";
  const BadCase aCases[] = {
      {"sizes differ",
       {"full.qvz", "full.qvz", "side.qvz"},
       "qvz-compare: full.qvz and side.qvz differ in size (737280 bytes and 368640 bytes)\n"},
      {"not whole sectors",
       {"short.qvz", "short.qvz"},
       "qvz-compare: short.qvz: 200000 bytes is not a whole number of 256-byte sectors\n"},
      {"longer than an image",
       {"long.qvz", "long.qvz"},
       "qvz-compare: long.qvz: 737536 bytes is more than an image holds (737280 bytes)\n"},
      {"missing", {"full.qvz", "gone.qvz"}, "qvz-compare: cannot read gone.qvz: "},
      {"a folder", {"full.qvz", "."}, "qvz-compare: cannot read .: "},
      {"one image", {"full.qvz"}, "qvz-compare: two or more images are needed" + cUsage},
      {"no image", {}, "qvz-compare: two or more images are needed" + cUsage},
      {"unknown option", {"full.qvz", "--marge", "x", "full.qvz"}, "qvz-compare: unknown option --marge" + cUsage},
      {"merge of two",
       {"full.qvz", "full.qvz", "--merge", "out.qvz"},
       "qvz-compare: --merge needs three or more images" + cUsage},
      {"merge without a name",
       {"full.qvz", "full.qvz", "full.qvz", "--merge"},
       "qvz-compare: --merge needs the name of the image to write" + cUsage},
      {"merge twice",
       {"full.qvz", "full.qvz", "full.qvz", "--merge", "o1", "--merge", "o2"},
       "qvz-compare: --merge given twice" + cUsage},
      {"empty name", {"full.qvz", ""}, "qvz-compare: an empty image name" + cUsage},
  };
  for (const BadCase& oCase : aCases) {
    const Outcome oOutcome = RunWith(oCase.aArgs);
    EXPECT_EQ(oOutcome.nExit, 2) << oCase.cWhat;
    EXPECT_EQ(oOutcome.cOut, "") << oCase.cWhat;
    EXPECT_EQ(oOutcome.cErr.substr(0, oCase.cErr.size()), oCase.cErr) << oCase.cWhat;
    EXPECT_EQ(std::count(oOutcome.cErr.begin(), oOutcome.cErr.end(), '\n'), 1) << oCase.cWhat;
  }
  EXPECT_EQ(oFolder.Names(), (std::vector<std::string>{"full.qvz", "long.qvz", "short.qvz", "side.qvz"}));
}

TEST(CompareRunTest, MergeTakesTheSectorMostImagesAgreeOn) {
  ImageFolder oFolder;
  const std::string cOriginal = TestImage(737280, 4);
  oFolder.Write("1.qvz", WithByte(cOriginal, kSide2Track80Sector17 + 3, 'x'));
  oFolder.Write("2.qvz", WithZeroSector(cOriginal, kSide1Track2Sector3));
  oFolder.Write("3.qvz", WithByte(cOriginal, 0, 'y'));
  EXPECT_EQ(
      RunWith({"1.qvz", "2.qvz", "3.qvz", "--merge", "merged.qvz"}),
      (Outcome{1,
               "side 1 track 1 sector 0 (log sector 0): 1 byte differs; odd one out: 3.qvz\n"
               "side 1 track 2 sector 3 (log sector 21): 256 bytes differ; odd one out: 2.qvz; only zeros: 2.qvz\n"
               "side 2 track 80 sector 17 (log sector 2879): 1 byte differs; odd one out: 1.qvz\n"
               "differing sectors: 3 of 2880\n"
               "merged into merged.qvz: every sector had an agreeing majority\n",
               ""}));
  EXPECT_TRUE(oFolder.Read("merged.qvz") == cOriginal);
  EXPECT_EQ(oFolder.Names(), (std::vector<std::string>{"1.qvz", "2.qvz", "3.qvz", "merged.qvz"}));
}

TEST(CompareRunTest, MergeListsSectorsWithoutAnAgreeingMajority) {
  ImageFolder oFolder;
  const std::string cOriginal = TestImage(737280, 5);
  oFolder.Write("1.qvz", cOriginal);
  oFolder.Write("2.qvz", WithByte(cOriginal, kSide2Track1Sector1 + 10, 'x'));
  oFolder.Write("3.qvz", WithByte(cOriginal, kSide2Track1Sector1 + 20, 'y'));
  // An existing file of the output's name is replaced.
  oFolder.Write("merged.qvz", "old");
  EXPECT_EQ(RunWith({"1.qvz", "2.qvz", "3.qvz", "--merge", "merged.qvz"}),
            (Outcome{1,
                     "side 2 track 1 sector 1 (log sector 1441): 2 bytes differ; no agreeing majority\n"
                     "differing sectors: 1 of 2880\n"
                     "merged into merged.qvz; sectors without an agreeing majority, taken byte by byte: 1\n"
                     "  side 2 track 1 sector 1 (log sector 1441)\n",
                     ""}));
  EXPECT_TRUE(oFolder.Read("merged.qvz") == cOriginal);
  EXPECT_EQ(oFolder.Names(), (std::vector<std::string>{"1.qvz", "2.qvz", "3.qvz", "merged.qvz"}));
}

TEST(CompareRunTest, MergeOfIdenticalImagesCopiesThem) {
  ImageFolder oFolder;
  const std::string cImage = TestImage(184320, 6);
  for (const char* cName : {"1.qvz", "2.qvz", "3.qvz"}) oFolder.Write(cName, cImage);
  EXPECT_EQ(RunWith({"--merge", "out.qvz", "1.qvz", "2.qvz", "3.qvz"}),
            (Outcome{0, "identical: 720 sectors\nmerged into out.qvz: every sector had an agreeing majority\n", ""}));
  EXPECT_TRUE(oFolder.Read("out.qvz") == cImage);
}

TEST(CompareRunTest, MergeRefusesAnOutputThatIsOneOfTheImages) {
  ImageFolder oFolder;
  const std::string cImage = TestImage(184320, 7);
  const std::string cOther = WithByte(cImage, 5, 'x');
  oFolder.Write("1.qvz", cImage);
  oFolder.Write("2.qvz", cOther);
  oFolder.Write("3.qvz", cOther);
  std::filesystem::create_directory(oFolder.Path() / "sub");
  std::filesystem::create_hard_link(oFolder.Path() / "1.qvz", oFolder.Path() / "link.qvz");
  struct RefusedCase {
    std::string cOut;
    std::string cImage;
  };
  const RefusedCase aCases[] = {
      {"1.qvz", "1.qvz"}, {"./2.qvz", "2.qvz"}, {"sub/../3.qvz", "3.qvz"}, {"link.qvz", "1.qvz"}};
  for (const RefusedCase& oCase : aCases) {
    EXPECT_EQ(RunWith({"1.qvz", "2.qvz", "3.qvz", "--merge", oCase.cOut}),
              (Outcome{2, "",
                       "qvz-compare: will not merge into " + oCase.cOut + ": it is the image " + oCase.cImage +
                           "; nothing written\n"}));
  }
  EXPECT_TRUE(oFolder.Read("1.qvz") == cImage);
  EXPECT_TRUE(oFolder.Read("2.qvz") == cOther);
  EXPECT_TRUE(oFolder.Read("3.qvz") == cOther);
  EXPECT_EQ(oFolder.Names(), (std::vector<std::string>{"1.qvz", "2.qvz", "3.qvz", "link.qvz", "sub"}));
}

TEST(CompareRunTest, AnOutputThatCannotBeWrittenLeavesNothing) {
  ImageFolder oFolder;
  const std::string cImage = TestImage(184320, 8);
  for (const char* cName : {"1.qvz", "2.qvz", "3.qvz"}) oFolder.Write(cName, cImage);
  const Outcome oOutcome = RunWith({"1.qvz", "2.qvz", "3.qvz", "--merge", "nofolder/out.qvz"});
  EXPECT_EQ(oOutcome.nExit, 2);
  EXPECT_EQ(oOutcome.cErr.substr(0, 40), "qvz-compare: cannot write nofolder/out.q");
  EXPECT_EQ(oFolder.Names(), (std::vector<std::string>{"1.qvz", "2.qvz", "3.qvz"}));
}

}  // namespace
}  // namespace qvz::compare
