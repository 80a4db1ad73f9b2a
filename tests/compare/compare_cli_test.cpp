// The built qvz-compare run as a user runs it, on real files: its exit code
// and what it prints on each stream.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "image_folder.h"
#include "outcome.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace qvz::compare {
namespace {

using test::ImageFolder;
using test::Outcome;
using test::TestImage;

std::string ProgramPath() {
  std::string cPath = QVZ_COMPARE_PROGRAM;
#ifdef _WIN32
  // Cross-built and run under Wine, the build folder is a host path, which
  // Wine shows on drive Z:.
  if (cPath.front() == '/') cPath = "Z:" + cPath;
  for (char& c : cPath)
    if (c == '/') c = '\\';
#endif
  return cPath;
}

std::string TextOf(const std::string& cName) {
  std::ifstream oFile(cName);
  return std::string(std::istreambuf_iterator<char>(oFile), std::istreambuf_iterator<char>());
}

// Runs the program in the current folder through the system's shell, its
// streams sent to files there. The names must need no quoting beyond double
// quotes.
Outcome RunProgram(const std::string& cArgs) {
  std::string cCommand = "\"";
  cCommand += ProgramPath() + "\" " + cArgs + " >cli-out.txt 2>cli-err.txt";
#ifdef _WIN32
  // cmd.exe drops the first and the last quote of the whole line.
  cCommand.insert(0, 1, '"');
  cCommand += '"';
#endif
  int nStatus = std::system(cCommand.c_str());
#ifndef _WIN32
  nStatus = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
#endif
  Outcome oOutcome{nStatus, TextOf("cli-out.txt"), TextOf("cli-err.txt")};
  std::remove("cli-out.txt");
  std::remove("cli-err.txt");
  return oOutcome;
}

TEST(CompareCliTest, ExitCodesAndStreams) {
  ImageFolder oFolder;
  const std::string cImage = TestImage(737280, 9);
  std::string cChanged = cImage;
  cChanged[4608 + 2 * 256] = 'x';  // side 2 track 1 sector 2
  oFolder.Write("first.qvz", cImage);
  oFolder.Write("second.qvz", cImage);
  oFolder.Write("third.qvz", cChanged);
  oFolder.Write("short.qvz", cImage.substr(0, 1000));

  EXPECT_EQ(RunProgram("first.qvz second.qvz"), (Outcome{0, "identical: 2880 sectors\n", ""}));
  EXPECT_EQ(
      RunProgram("first.qvz third.qvz"),
      (Outcome{1, "side 2 track 1 sector 2 (log sector 1442): 1 byte differs\ndiffering sectors: 1 of 2880\n", ""}));
  EXPECT_EQ(RunProgram("third.qvz first.qvz second.qvz --merge merged.qvz"),
            (Outcome{1,
                     "side 2 track 1 sector 2 (log sector 1442): 1 byte differs; odd one out: third.qvz\n"
                     "differing sectors: 1 of 2880\n"
                     "merged into merged.qvz: every sector had an agreeing majority\n",
                     ""}));
  EXPECT_TRUE(oFolder.Read("merged.qvz") == cImage);
  EXPECT_EQ(RunProgram("first.qvz short.qvz"),
            (Outcome{2, "", "qvz-compare: short.qvz: 1000 bytes is not a whole number of 256-byte sectors\n"}));
  EXPECT_EQ(
      RunProgram("first.qvz second.qvz third.qvz --merge second.qvz"),
      (Outcome{2, "", "qvz-compare: will not merge into second.qvz: it is the image second.qvz; nothing written\n"}));
  EXPECT_TRUE(oFolder.Read("second.qvz") == cImage);

  EXPECT_EQ(oFolder.Names(),
            (std::vector<std::string>{"first.qvz", "merged.qvz", "second.qvz", "short.qvz", "third.qvz"}));
}

}  // namespace
}  // namespace qvz::compare
