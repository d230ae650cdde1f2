#include "cli/log_scorer.h"

#include <gtest/gtest.h>

namespace {
LogQso Logged(const std::string& call, const std::string& grid, const std::string& ownLocator = "",
              std::int64_t line = 0) {
  LogQso qso;
  qso.callSign = call;
  qso.band = "14";
  qso.mode = "CW";
  qso.exchange = grid;
  qso.ownLocator = ownLocator;
  qso.line = line;
  return qso;
}
}  // namespace

// Distances from JO31 (51.5 N, 7 E), square centre to square centre on a sphere of 111.2 km per
// degree: JO62 425 km, KO85 2017 km; from JO62: JO62 0 km, KO85 1595 km.
TEST(ScoreQsos, EachDistanceFromTheOwnSquareOfItsQso) {
  const LogScore score = ScoreQsos({Logged("A1A", "JO62", "JO31LK"), Logged("B1B", "JO62", "jo62"),
                                    Logged("C1C", "KO85", "JO62AA"), Logged("D1D", "KO85", "JO31")},
                                   "");
  ASSERT_EQ(score.qsos.size(), 4u);
  EXPECT_NEAR(*score.qsos[0].DistanceKm(), 425.4, 0.1);
  EXPECT_NEAR(*score.qsos[1].DistanceKm(), 0, 0.1);
  EXPECT_NEAR(*score.qsos[2].DistanceKm(), 1595.2, 0.1);
  EXPECT_NEAR(*score.qsos[3].DistanceKm(), 2016.6, 0.1);
  EXPECT_EQ(score.points, 31 + 31 + 35 + 38);
  EXPECT_EQ(score.ownLocators, (std::vector<std::string>{"JO31LK", "jo62"}));
  const std::int32_t expected[] = {0, 1, 1, 0};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(score.qsos[i].ownLocator, expected[i]) << i;
  }
}

TEST(ScoreQsos, GivenOwnLocatorWinsAndTheHeadersStandsInForNone) {
  const std::vector<LogQso> qsos = {Logged("A1A", "JO62", "KO85"), Logged("B1B", "JO62")};
  const LogScore logs = ScoreQsos(qsos, "", "JO62");
  EXPECT_NEAR(*logs.qsos[0].DistanceKm(), 1595.2, 0.1);
  EXPECT_NEAR(*logs.qsos[1].DistanceKm(), 0, 0.1);
  const LogScore given = ScoreQsos(qsos, "JO31", "JO62");
  EXPECT_NEAR(*given.qsos[0].DistanceKm(), 425.4, 0.1);
  EXPECT_NEAR(*given.qsos[1].DistanceKm(), 425.4, 0.1);
  EXPECT_EQ(given.ownLocators, std::vector<std::string>{"JO31"});
}

// Only the square counts, whatever follows it.
TEST(ScoreQsos, OwnLocatorsLongerThanASquareScoreFromIt) {
  for (const char* own : {"JO31", "JO31LK", "JO31LK12AB", "JO31X", "JO31lk1"}) {
    SCOPED_TRACE(own);
    const LogScore score = ScoreQsos({Logged("A1A", "JO62", own)}, "");
    ASSERT_TRUE(score.qsos[0].DistanceKm().has_value());
    EXPECT_NEAR(*score.qsos[0].DistanceKm(), 425.4, 0.1);
    EXPECT_EQ(score.points, 31);
  }
}

TEST(ScoreQsos, EveryZeroHasItsReason) {
  const LogScore score =
      ScoreQsos({Logged("A1A", "JO62"), Logged("A1A", "JO62"), Logged("B1B", ""),
                 Logged("C1C", "59"), Logged("D1D", "IN2dp"), Logged("E1E", "ZZ00"),
                 Logged("F1F", "AD38")},  // the antipode: 20016 km
                "JO31");
  const ZeroReason expected[] = {ZeroReason::kNone,           ZeroReason::kDuplicate,
                                 ZeroReason::kNoLocator,      ZeroReason::kNoLocator,
                                 ZeroReason::kInvalidLocator, ZeroReason::kInvalidLocator,
                                 ZeroReason::kOutsideTable};
  ASSERT_EQ(score.qsos.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(score.qsos[i].reason, expected[i]) << i;
  }
  EXPECT_EQ(score.zeroReasons, (std::array<std::int64_t, kZeroReasonCount>{1, 1, 2, 2, 1}));
}

TEST(ScoreQsos, AQsoThatNeedsADistanceNeedsAnOwnLocator) {
  struct Case {
    std::vector<LogQso> qsos;
    std::string error;
    std::int64_t line;
  } cases[] = {
      {{Logged("A1A", "JO62", "", 5)},
       "the log names no own locator; give it with --own LOCATOR",
       0},
      {{Logged("A1A", "JO62", "JO31", 5), Logged("B1B", "JO62", "", 6)},
       "the QSO names no own locator, while others do; give one with --own LOCATOR",
       6},
      {{Logged("A1A", "JO62", "XX99", 7)}, "own locator 'XX99' is no Maidenhead locator", 7},
      {{Logged("A1A", "JO62", "JO3", 7)}, "own locator 'JO3' is no Maidenhead locator", 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    try {
      ScoreQsos(c.qsos, "");
      ADD_FAILURE() << "no error";
    } catch (const LogError& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
      EXPECT_EQ(error.Line(), c.line);
    }
  }
  // Without a worked square (an HF log) or as a duplicate, a QSO is scored without one.
  const LogScore hf = ScoreQsos(
      {Logged("A1A", "599 28"), Logged("B1B", "JO62", "JO31"), Logged("B1B", "JO62", "")}, "");
  EXPECT_EQ(hf.points, 31);
  EXPECT_EQ(hf.qsos[0].ownLocator, -1);
  EXPECT_EQ(hf.qsos[2].reason, ZeroReason::kDuplicate);
}

// A rover's own squares are collected at a flat cost each: all 32,400 of them.
TEST(ScoreQsos, EveryOwnSquareOnceInTheOrderMet) {
  std::vector<LogQso> qsos;
  for (int square = 0; square < 32400; ++square) {
    const std::string own = {
        static_cast<char>('A' + square / 1800), static_cast<char>('A' + square / 100 % 18),
        static_cast<char>('0' + square / 10 % 10), static_cast<char>('0' + square % 10)};
    qsos.push_back(Logged("A" + std::to_string(square), "", own + "aa"));
    qsos.push_back(Logged("B" + std::to_string(square), "", own + "bb"));
  }
  const LogScore score = ScoreQsos(qsos, "");
  ASSERT_EQ(score.ownLocators.size(), 32400u);
  EXPECT_EQ(score.ownLocators.front(), "AA00aa");
  EXPECT_EQ(score.ownLocators.back(), "RR99aa");
  EXPECT_EQ(score.qsos[64799].ownLocator, 32399);
}

// Each QSO's key is made ahead of its scoring and kept in a ring: logs shorter and longer than
// the ring, and at its edges, find each duplicate where it stands.
TEST(ScoreQsos, EachDuplicateIsFoundWhateverTheLogsLength) {
  for (const int length : {1, 2, 15, 16, 17, 31, 32, 33, 100}) {
    SCOPED_TRACE(length);
    std::vector<LogQso> qsos;
    for (int i = 0; i < length; ++i) {
      // Every third QSO repeats the call of the one before it.
      qsos.push_back(Logged("C" + std::to_string(i % 3 == 2 ? i - 1 : i), "JO62", "JO31"));
    }
    const LogScore score = ScoreQsos(qsos, "");
    for (int i = 0; i < length; ++i) {
      EXPECT_EQ(score.qsos[static_cast<std::size_t>(i)].duplicate, i % 3 == 2) << i;
    }
    EXPECT_EQ(score.duplicates, length / 3);
  }
}
