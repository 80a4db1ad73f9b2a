#include "serial/line_settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <set>
#include <sstream>

#include "harness/pty_pair.h"
#include "harness/unix_command.h"
#include "serial/comm.h"

namespace qvz::serial {
namespace {

using test::PtyPair;

TEST(LineSettingsTest, BlockForTheReceiversSettings) {
  std::string cDcb = "old";
  ASSERT_TRUE(BUILDCOMMDCB("57600,N,8,1", cDcb));
  ASSERT_EQ(cDcb.size(), 28u);
  DCB dcb;
  std::memcpy(&dcb, cDcb.data(), sizeof dcb);
  EXPECT_EQ(dcb.DCBlength, 28u);
  EXPECT_EQ(dcb.BaudRate, 57600u);
  EXPECT_EQ(dcb.ByteSize, 8);
  EXPECT_EQ(dcb.Parity, NOPARITY);
  EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
  EXPECT_EQ(dcb.fBinary, 1u);
  EXPECT_EQ(dcb.XonChar, 0x11);
  EXPECT_EQ(dcb.XoffChar, 0x13);
  EXPECT_GT(dcb.XonLim, 0);
  EXPECT_GT(dcb.XoffLim, 0);
  EXPECT_EQ(dcb.fDtrControl, static_cast<DWORD>(DTR_CONTROL_ENABLE));
  EXPECT_EQ(dcb.fRtsControl, static_cast<DWORD>(RTS_CONTROL_ENABLE));
  EXPECT_EQ(dcb.fOutxCtsFlow, 0u);
  EXPECT_EQ(dcb.fOutX, 0u);
  EXPECT_EQ(dcb.fInX, 0u);
}

TEST(LineSettingsTest, UnreadableTextGivesFalseAndEmpty) {
  for (const char* cDef : {"fast please", "57600,Q,8,1", "57600,N,9,1"}) {
    std::string cDcb = "old";
    EXPECT_FALSE(BUILDCOMMDCB(cDef, cDcb)) << cDef;
    EXPECT_EQ(cDcb, "") << cDef;
  }
  EXPECT_TRUE(BUILDCOMMDCB("9600,E,7,2"));
}

TEST(LineSettingsTest, AppliedBlockSetsTheProgramsEndOfTheLine) {
  PtyPair oPair;
  int nCom = OPENCOMM(PtyPair::kProgramPort, 16384, 16384);
  ASSERT_GT(nCom, 0);
  std::string cDcb;
  ASSERT_TRUE(BUILDCOMMDCB("57600,N,8,1", cDcb));
  EXPECT_TRUE(SETCOMMSTATE(nCom, cDcb));
  EXPECT_FALSE(SETCOMMSTATE(nCom, ""));
  test::UnixResult r = test::RunUnix("stty -F '" + oPair.ProgramEnd() + "' -a");
  EXPECT_NE(r.cOutput.find("speed 57600 baud"), std::string::npos) << r.cOutput;
  std::istringstream words(r.cOutput);
  std::set<std::string> sWords{std::istream_iterator<std::string>(words), {}};
  for (const char* cFlag : {"cs8", "-parenb", "-cstopb"})
    EXPECT_TRUE(sWords.count(cFlag)) << cFlag << " in " << r.cOutput;
  EXPECT_TRUE(CLOSECOMM(nCom));
}

TEST(LineSettingsTest, LineControlResults) {
  PtyPair oPair;
  int nCom = OPENCOMM(PtyPair::kProgramPort);
  ASSERT_GT(nCom, 0);
  std::string cStat = "x";
  EXPECT_EQ(GETCOMMERROR(nCom), 0);
  EXPECT_EQ(GETCOMMERROR(nCom, cStat), 0);
  EXPECT_EQ(cStat.size(), 12u);
  // A pty has no DTR line: the platform refuses, and the result says so.
  EXPECT_TRUE(ESCAPECOMMFUNCTION(nCom, SETDTR));
  EXPECT_EQ(FLUSHCOMM(nCom, 0), 0);
  EXPECT_TRUE(CLOSECOMM(nCom));
}

}  // namespace
}  // namespace qvz::serial
