#include "line_remote/wire_pacer.h"

#include <gtest/gtest.h>

namespace qvz::tools {
namespace {

// At 5760 bytes a second a byte takes 173611.1 ns.
constexpr double kRate = 5760;

TEST(WirePacerTest, EachByteIsDueOneByteTimeAfterTheOneBefore) {
  WirePacer o(kRate);
  o.Resume(1'000);
  EXPECT_EQ(o.NextDue(), 1'000 + 173'611);
  o.Sent(1);
  EXPECT_EQ(o.NextDue(), 1'000 + 347'222);
  o.Sent(5'758);
  EXPECT_EQ(o.NextDue(), 1'000 + 1'000'000'000);  // 5760 bytes: one second, no drift
}

TEST(WirePacerTest, NothingIsDueEarlyAndALateSenderWritesWhatIsDue) {
  struct Case {
    std::int64_t nNowNs;
    std::size_t nLeft;
    std::size_t nDue;
  };
  const Case aCases[] = {
      {0, 10, 0},                  // the first byte is still on its way
      {173'610, 10, 0},
      {173'611, 10, 1},            // the first byte is complete
      {347'221, 10, 1},
      {347'223, 10, 2},
      {1'736'112, 100, 10},        // ten byte times late: ten at once
      {1'736'112, 4, 4},           // never more than are left
      {1'000'000'000, 9'000, 5'760},
  };
  for (const Case& c : aCases) {
    WirePacer o(kRate);
    o.Resume(0);
    EXPECT_EQ(o.DueBy(c.nNowNs, c.nLeft), c.nDue) << c.nNowNs;
  }
}

TEST(WirePacerTest, TheTimeSpentWaitingForAnAnswerIsNotCaughtUp) {
  WirePacer o(kRate);
  o.Resume(0);
  o.Sent(3);
  // Answered 5 ms later: the next byte is complete one byte time after that,
  // not at once because the line stood still meanwhile.
  o.Resume(5'000'000);
  EXPECT_EQ(o.DueBy(5'000'000, 10), 0u);
  EXPECT_EQ(o.NextDue(), 5'173'611);
}

TEST(WirePacerTest, UnpacedEverythingIsDueAtOnce) {
  WirePacer o(0);
  o.Resume(42);
  EXPECT_EQ(o.DueBy(42, 4'608), 4'608u);
  EXPECT_EQ(o.NextDue(), 42);
  EXPECT_EQ(o.WireNs(4'608), 0);
}

}  // namespace
}  // namespace qvz::tools
