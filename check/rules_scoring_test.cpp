#include "check/rules_scoring.h"

#include <gtest/gtest.h>

#include "check/check_test_support.h"

TEST(RulesScoring, PointsForKmAsTheRulesRoundAddAndFloorThem) {
  const struct {
    const char* rules;
    double km;
    std::int64_t points;
  } cases[] = {
      {"", 800.0122, 800},  // down: whole kilometres
      {"points-added = 1", 800.0122, 801},
      {"points-added = 1", 0, 1},                 // the same locator: the added point
      {"points-rounding = nearest", 322.5, 322},  // a half to the even neighbour
      {"points-rounding = nearest", 323.5, 324},
      {"points-rounding = nearest", 323.4999, 323},
      {"points-rounding = up", 323.0016, 324},
      {"points-rounding = up", 323, 323},
      {"points-minimum = 1", 0.4, 1},
      {"points-minimum = 1", 77.0004, 77},
      {"points-minimum = 50\npoints-added = 10", 30, 50},     // the least after the added
      {"km-per-point = 3000\npoints-added = 1", 2999.99, 1},  // not rounded to km first
      {"km-per-point = 3000\npoints-added = 1", 3000, 2},
      {"km-per-point = 3000\npoints-added = 1", 5541, 2},  // the WW Digi rules' own example
      {"km-per-point = 3000\npoints-added = 1", 18000.5, 7},
      {"km-per-point = 100\npoints-rounding = up", 0.1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.rules) + " at " + std::to_string(c.km) + " km");
    EXPECT_EQ(PointsForKm(c.km, ParseRules(c.rules)), c.points);
  }
}

TEST(RulesScoring, OnlyTheEnginesScoringKeepsTheEnginesScores) {
  const struct {
    const char* rules;
    bool asTheEngine;
  } cases[] = {
      {"", true},
      {"locator-length = 6\nperiod-start = 2016-05-07T14:00\nkm-per-point = 10", true},
      {"points = per-km", false},
      {"band-factors = 14:1", false},
      {"multipliers = squares", false},
      {"multipliers = none", false},
      {"score = points-times-multipliers", false},
      {"points-per-multiplier = 99", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    EXPECT_EQ(ScoresAsTheEngine(ParseRules(c.rules)), c.asTheEngine);
  }
}

// DL1AAA from JO31 works OK1BBB (JN79, 607.6 km) and OK2CCC (JN89, 740.8 km) on 14, both
// confirmed, and OK1BBB on 7, not in OK1BBB's log. On the engine each QSO is worth 31 points.
TEST(RulesScoring, ClaimedAndCheckedByTheContestsRules) {
  const std::vector<StationLog> stations = {
      {"DL1AAA",
       "JO31",
       {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"},
        {"14000 CW 2024-09-07 1410", "OK2CCC JN89"},
        {"7000 CW 2024-09-07 1500", "OK1BBB JN79"}}},
      {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "DL1AAA JO31"}}},
      {"OK2CCC", "JN89", {{"14000 CW 2024-09-07 1410", "DL1AAA JO31"}}}};
  const struct {
    const char* rules;
    ScoreTally claimed;
    ScoreTally checked;
    std::int64_t penalty;
  } cases[] = {
      {"points = per-km\nmultipliers = none", {3, 1954, 0, 1954}, {2, 1347, 0, 1347}, 0},
      {"points = per-km", {3, 1954, 2, 2154}, {2, 1347, 1, 1447}, 0},  // a field a band
      {"points = per-km\nmultipliers = squares", {3, 1954, 3, 2254}, {2, 1347, 2, 1547}, 0},
      {"points = per-km\nmultipliers = squares\nscore = points-times-multipliers",
       {3, 1954, 3, 5862},
       {2, 1347, 2, 2694},
       0},
      {"points-per-multiplier = 50", {3, 93, 2, 193}, {2, 62, 1, 112}, 0},
      {"band-factors = 7:3\npenalty-not-in-log = 1", {3, 155, 2, 355}, {2, 62, 1, 162}, 93},
      {"points = per-km\nband-factors = 7:2\npenalty-not-in-log = 2",
       {3, 2561, 2, 2761},
       {2, 1347, 1, 1447},
       2428},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    const CheckedContest contest = CheckStations(stations, ParseRules(c.rules));
    const std::size_t log = contest.Log("DL1AAA");
    const LogCheck& check = contest.result.logs[log];
    EXPECT_EQ(TallyText(check.claimed), TallyText(c.claimed));
    EXPECT_EQ(TallyText(check.checked), TallyText(c.checked));
    EXPECT_EQ(check.penalty, c.penalty);
    EXPECT_EQ(check.score, c.checked.score - c.penalty);
    EXPECT_EQ(contest.logs.logs[log].claimed.points, 93);  // the engine's claim stays beside
  }
}

// Per km the QSO is measured from the locator it was sent from to the one copied, at the rules'
// length; a locator that names no square scores nothing, as on the engine.
TEST(RulesScoring, AQsosPointsPerKm) {
  const std::vector<StationLog> stations = {
      {"YO2LZA",
       "KN05RK",
       {{"144000 CW 2016-05-07 1400", "YO1AAA JN54QL"},
        {"144000 CW 2016-05-07 1401", "YO1AAB JN54"},  // 828.8 km to the square's centre
        {"144000 CW 2016-05-07 1402", "YO1AAC ZZ00"},
        {"432000 CW 2016-05-07 1403", "YO1AAA JN54QL"}}}};
  const struct {
    const char* rules;
    std::int64_t points[4];
  } cases[] = {
      {"points = per-km\npoints-added = 1\nlocator-length = 6", {801, 829, 0, 801}},
      {"points = per-km\npoints-added = 1", {794, 794, 0, 794}},  // square to square
      {"points = per-km\npoints-added = 1\nlocator-length = 6\nband-factors = 432:2",
       {801, 829, 0, 1602}},
      {"band-factors = 144:2", {62, 62, 0, 31}},  // the engine's points, times the factor
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    const CheckRules rules = ParseRules(c.rules);
    const CheckedContest contest = CheckStations(stations, rules);
    for (int n = 1; n <= 4; ++n) {
      SCOPED_TRACE(n);
      EXPECT_EQ(QsoPoints(contest.logs, contest.logs.qsos[contest.Qso("YO2LZA", n)], rules),
                c.points[n - 1]);
    }
  }
}

// A log that marks a QSO its duplicate claims nothing for it, as the engine's duplicates.
TEST(RulesScoring, AQsoTheLogMarksDuplicateIsNotClaimed) {
  const std::vector<BandLog> logs = {
      {"YO5AAA",
       "KN16SS",
       "144",
       {{"2016-05-07 1400", "YO5BBB", "59 001", "59 001 KN17KT"},
        {"2016-05-07 1500", "YO5CCC", "59 002", "59 001 KN17KT", true}}}};
  const CheckedContest contest =
      CheckBandLogs(logs, ParseRules("points = per-km\nmultipliers = none"));
  EXPECT_EQ(contest.result.logs[0].claimed.qsos, 1);
}
