#include "simulator/exchange_miscopies.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {
constexpr int kDraws = 2000;
}  // namespace

// A miscopied sub-square is another one a letter's place or two from the one sent, in the same
// square: one of its two letters changes, and stays a letter of the sub-squares (A to X).
TEST(ExchangeMiscopies, ASubsquareIsOneLetterNearby) {
  Dice dice(3);
  for (std::uint16_t sent : {0, 1, 23, 24, 24 * 12 + 12, 24 * 23, 24 * 24 - 1}) {
    SCOPED_TRACE(sent);
    for (int i = 0; i < kDraws; ++i) {
      const std::uint16_t copied = MiscopiedSubsquare(sent, dice);
      ASSERT_LT(copied, 24 * 24);
      const int east = std::abs(copied / 24 - sent / 24);
      const int north = std::abs(copied % 24 - sent % 24);
      ASSERT_TRUE((east == 0) != (north == 0)) << copied;
      ASSERT_LE(east + north, 2) << copied;
    }
  }
}

// A miscopied serial differs from the one sent, is never 0, and is mostly one off.
TEST(ExchangeMiscopies, ASerialIsAnotherMostlyOneOff) {
  Dice dice(5);
  for (std::uint32_t sent : {1u, 5u, 9u, 10u, 99u, 100u, 101u, 999u, 1000u, 12345u}) {
    SCOPED_TRACE(sent);
    int oneOff = 0;
    for (int i = 0; i < kDraws; ++i) {
      const std::uint32_t copied = MiscopiedSerial(sent, dice);
      ASSERT_NE(copied, sent);
      ASSERT_GT(copied, 0u);
      oneOff += copied + 1 == sent || copied == sent + 1;
    }
    EXPECT_GT(oneOff, kDraws / 2);
    EXPECT_LT(oneOff, kDraws);
  }
}

// A miscopied report is the one sent with another strength from 5 to 8: 59 as 57, 599 as 579.
TEST(ExchangeMiscopies, AReportHasAnotherStrength) {
  Dice dice(7);
  for (std::uint16_t sent : {59, 599, 57, 579}) {
    SCOPED_TRACE(sent);
    const std::string text = std::to_string(sent);
    for (int i = 0; i < kDraws; ++i) {
      const std::string copied = std::to_string(MiscopiedReport(sent, dice));
      ASSERT_EQ(copied.size(), text.size());
      ASSERT_NE(copied, text);
      ASSERT_EQ(copied[0], text[0]);
      ASSERT_GE(copied[1], '5');
      ASSERT_LE(copied[1], '8');
      ASSERT_EQ(copied.substr(2), text.substr(2));
    }
  }
}
