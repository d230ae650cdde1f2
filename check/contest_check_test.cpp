#include "check/contest_check.h"

#include <gtest/gtest.h>

#include "check/check_test_support.h"

namespace {
constexpr QsoClass kConfirmed = QsoClass::kConfirmed;
constexpr QsoClass kNotInLog = QsoClass::kNotInLog;
constexpr QsoClass kBustedCall = QsoClass::kBustedCall;
constexpr QsoClass kBustedLocator = QsoClass::kBustedLocator;
constexpr QsoClass kUnique = QsoClass::kUnique;
constexpr QsoClass kNotCheckable = QsoClass::kNotCheckable;
constexpr QsoClass kDuplicate = QsoClass::kDuplicate;

// A QSO of a station's log, its expected class and the QSO it was judged by (none: "").
struct Expected {
  const char* call;
  int qso;
  QsoClass qsoClass;
  const char* partnerCall;
  int partnerQso;
};

CheckRules ModesMayDiffer() {
  CheckRules rules;
  rules.modeMustMatch = false;
  return rules;
}
}  // namespace

// DL1AAA (JO31) and OK1BBB (JN79) work each other; other stations as a case needs them.
TEST(ContestCheck, MatchingRules) {
  const struct {
    const char* name;
    std::vector<StationLog> stations;
    CheckRules rules;
    std::vector<Expected> expected;
  } cases[] = {
      {"both logged it in the same minute",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kConfirmed, "OK1BBB", 1}, {"OK1BBB", 1, kConfirmed, "DL1AAA", 1}}},
      {"ten minutes apart is still in the window",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1410", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kConfirmed, "OK1BBB", 1}, {"OK1BBB", 1, kConfirmed, "DL1AAA", 1}}},
      {"eleven minutes apart is not in log on both sides, each shown the other's line",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1411", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kNotInLog, "OK1BBB", 1}, {"OK1BBB", 1, kNotInLog, "DL1AAA", 1}}},
      {"another band is another QSO",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"7000 CW 2024-09-07 1400", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kNotInLog, "", 0}, {"OK1BBB", 1, kNotInLog, "", 0}}},
      {"another mode is another QSO",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"14000 PH 2024-09-07 1400", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kNotInLog, "OK1BBB", 1}, {"OK1BBB", 1, kNotInLog, "DL1AAA", 1}}},
      {"another mode matches when the rules allow it",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"14000 PH 2024-09-07 1400", "DL1AAA JO31"}}}},
       ModesMayDiffer(),
       {{"DL1AAA", 1, kConfirmed, "OK1BBB", 1}, {"OK1BBB", 1, kConfirmed, "DL1AAA", 1}}},
      {"SSB and PH are the same mode",
       {{"DL1AAA", "JO31", {{"14200 SSB 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"14200 PH 2024-09-07 1400", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kConfirmed, "OK1BBB", 1}, {"OK1BBB", 1, kConfirmed, "DL1AAA", 1}}},
      {"the other station's log has no such QSO",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "SP1CCC JO73"}}}},
       {},
       {{"DL1AAA", 1, kNotInLog, "", 0}, {"OK1BBB", 1, kUnique, "", 0}}},
      {"a busted call costs only the station that miscopied",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBD JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1401", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kBustedCall, "OK1BBB", 1}, {"OK1BBB", 1, kConfirmed, "DL1AAA", 1}}},
      {"a call swapped by the other side: this side keeps it",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1401", "DL1AAB JO31"}}}},
       {},
       {{"DL1AAA", 1, kConfirmed, "OK1BBB", 1}, {"OK1BBB", 1, kBustedCall, "DL1AAA", 1}}},
      {"a near call outside the window is no bust",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBD JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1430", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kUnique, "", 0}, {"OK1BBB", 1, kNotInLog, "", 0}}},
      {"a call two characters off is no bust",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BDD JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kUnique, "", 0}, {"OK1BBB", 1, kNotInLog, "", 0}}},
      {"not in log shows the other log's nearest QSO, not its first",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB",
         "JN79",
         {{"14000 PH 2024-09-07 1440", "DL1AAA JO31"},
          {"14000 CW 2024-09-07 1420", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kNotInLog, "OK1BBB", 2}}},
      {"not in log shows the other log's nearest QSO, not its last",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB",
         "JN79",
         {{"14000 CW 2024-09-07 1420", "DL1AAA JO31"},
          {"14000 PH 2024-09-07 1440", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kNotInLog, "OK1BBB", 1}}},
      {"one entry confirms one QSO: the lower call's second entry finds it taken",
       {{"DL1AAA",
         "JO31",
         {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"},
          {"14000 PH 2024-09-07 1402", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1401", "DL1AAA JO31"}}}},
       ModesMayDiffer(),
       {{"DL1AAA", 1, kConfirmed, "OK1BBB", 1},
        {"DL1AAA", 2, kNotInLog, "OK1BBB", 1},
        {"OK1BBB", 1, kConfirmed, "DL1AAA", 1}}},
      {"one entry confirms one QSO: the higher call's second entry finds it taken",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}},
        {"OK1BBB",
         "JN79",
         {{"14000 CW 2024-09-07 1401", "DL1AAA JO31"},
          {"14000 PH 2024-09-07 1402", "DL1AAA JO31"}}}},
       ModesMayDiffer(),
       {{"DL1AAA", 1, kConfirmed, "OK1BBB", 1},
        {"OK1BBB", 1, kConfirmed, "DL1AAA", 1},
        {"OK1BBB", 2, kNotInLog, "DL1AAA", 1}}},
      {"one entry explains one busted call",
       {{"DL1AAA",
         "JO31",
         {{"14000 CW 2024-09-07 1400", "OK1BBD JN79"},
          {"14000 CW 2024-09-07 1401", "OK1BBE JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kBustedCall, "OK1BBB", 1},
        {"DL1AAA", 2, kUnique, "", 0},
        {"OK1BBB", 1, kConfirmed, "DL1AAA", 1}}},
      {"a busted call is explained by the nearest entry in time",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBD JN79"}}},
        {"OK1BBB",
         "JN79",
         {{"14000 CW 2024-09-07 1408", "DL1AAA JO31"},
          {"14000 PH 2024-09-07 1401", "DL1AAA JO31"}}}},
       ModesMayDiffer(),
       {{"DL1AAA", 1, kBustedCall, "OK1BBB", 2},
        {"OK1BBB", 1, kNotInLog, "", 0},
        {"OK1BBB", 2, kConfirmed, "DL1AAA", 1}}},
      {"a call one station logged twice is still in no other log",
       {{"DL1AAA",
         "JO31",
         {{"14000 CW 2024-09-07 1400", "F5ZZZ JN18"}, {"7000 CW 2024-09-07 1500", "F5ZZZ JN18"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kUnique, "", 0}, {"DL1AAA", 2, kUnique, "", 0}}},
      {"a call that sent no log but is in two logs is not checkable",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "F5ZZZ JN18"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1500", "F5ZZZ JN18"}}}},
       {},
       {{"DL1AAA", 1, kNotCheckable, "", 0}, {"OK1BBB", 1, kNotCheckable, "", 0}}},
      {"a square copied wrong costs only the station that copied it",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN78"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kBustedLocator, "OK1BBB", 1}, {"OK1BBB", 1, kConfirmed, "DL1AAA", 1}}},
      {"locators are compared by their squares, in either case",
       {{"DL1AAA", "JO31LK", {{"14000 CW 2024-09-07 1400", "OK1BBB jn79ab"}}},
        {"OK1BBB", "JN79XY", {{"14000 CW 2024-09-07 1400", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kConfirmed, "OK1BBB", 1}, {"OK1BBB", 1, kConfirmed, "DL1AAA", 1}}},
      {"a duplicate repeats its first entry, which is matched",
       {{"DL1AAA",
         "JO31",
         {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"},
          {"14000 CW 2024-09-07 1405", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1405", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kConfirmed, "OK1BBB", 1},
        {"DL1AAA", 2, kDuplicate, "DL1AAA", 1},
        {"OK1BBB", 1, kConfirmed, "DL1AAA", 1}}},
      {"two QSOs of the same stations on one band pair by time",
       {{"DL1AAA",
         "JO31",
         {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"},
          {"14000 PH 2024-09-07 1600", "OK1BBB JN79"}}},
        {"OK1BBB",
         "JN79",
         {{"14000 PH 2024-09-07 1601", "DL1AAA JO31"},
          {"14000 CW 2024-09-07 1402", "DL1AAA JO31"}}}},
       ModesMayDiffer(),
       {{"DL1AAA", 1, kConfirmed, "OK1BBB", 2}, {"DL1AAA", 2, kConfirmed, "OK1BBB", 1}}},
      {"a QSO with oneself is in nobody's log",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kNotInLog, "", 0}}},
      {"a QSO without a readable time is matched by calls, band and mode",
       {{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 9999", "OK1BBB JN79"}}},
        {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "DL1AAA JO31"}}}},
       {},
       {{"DL1AAA", 1, kConfirmed, "OK1BBB", 1}, {"OK1BBB", 1, kConfirmed, "DL1AAA", 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CheckedContest contest = CheckStations(c.stations, c.rules);
    for (const Expected& expected : c.expected) {
      SCOPED_TRACE(std::string(expected.call) + " QSO " + std::to_string(expected.qso));
      const QsoOutcome& outcome = contest.Outcome(expected.call, expected.qso);
      EXPECT_EQ(ClassName(outcome.qsoClass), ClassName(expected.qsoClass));
      const std::uint32_t partner = *expected.partnerCall
                                        ? contest.Qso(expected.partnerCall, expected.partnerQso)
                                        : kNoPartner;
      EXPECT_EQ(outcome.partner, partner);
    }
  }
}

namespace {
// Four stations that work each other on five bands, one QSO a minute apart; `late` logs every
// time `lateMinutes` later than the others.
std::vector<StationLog> RoundRobin(const std::string& late, int lateMinutes) {
  const char* const calls[] = {"DL1AAA", "OK1BBB", "SP1CCC", "F5DDD"};
  const char* const grids[] = {"JO31", "JN79", "JO73", "JN18"};
  const char* const bands[] = {"3550", "7030", "14050", "21050", "28050"};
  std::vector<StationLog> stations;
  for (int s = 0; s < 4; ++s) {
    stations.push_back({calls[s], grids[s], {}});
  }
  int minute = 0;
  for (const char* band : bands) {
    for (int a = 0; a < 4; ++a) {
      for (int b = a + 1; b < 4; ++b, ++minute) {
        for (const auto& [logger, worked] : {std::pair{a, b}, std::pair{b, a}}) {
          const int shown = minute + (stations[logger].call == late ? lateMinutes : 0);
          char when[64];
          std::snprintf(when, sizeof when, "%s CW 2024-09-07 %02d%02d", band, 14 + shown / 60,
                        shown % 60);
          stations[logger].qsos.push_back({when, std::string(calls[worked]) + " " + grids[worked]});
        }
      }
    }
  }
  return stations;
}
}  // namespace

TEST(ContestCheck, ClockOffsetEstimatedAndCorrected) {
  // An offset under two minutes is none: logs write whole minutes.
  const struct {
    int lateMinutes;
    std::int64_t offset;
  } cases[] = {{1, 0}, {2, 120}, {25, 25 * 60}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lateMinutes);
    const CheckedContest contest = CheckStations(RoundRobin("SP1CCC", c.lateMinutes));
    for (const char* call : {"DL1AAA", "OK1BBB", "SP1CCC", "F5DDD"}) {
      SCOPED_TRACE(call);
      const LogCheck& check = contest.result.logs[contest.Log(call)];
      EXPECT_EQ(check.clock.offset, std::string(call) == "SP1CCC" ? c.offset : 0);
      EXPECT_EQ(check.clock.basis, 15u);
      EXPECT_EQ(check.classes[static_cast<int>(QsoClass::kConfirmed)], 15u);
    }
  }
}

TEST(ContestCheck, CheckedScoreCountsWhatTheRulesSay) {
  // DL1AAA: a confirmed QSO with OK1BBB on 14, one not in OK1BBB's log on 7, and a unique call.
  const std::vector<StationLog> stations = {
      {"DL1AAA",
       "JO31",
       {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"},
        {"7000 CW 2024-09-07 1500", "OK1BBB JN79"},
        {"21000 CW 2024-09-07 1600", "VK2ZZZ QF56"}}},
      {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "DL1AAA JO31"}}}};
  // JO31 to JN79 is 31 points, to QF56 62; each QSO is a new field on its band.
  CheckRules uniquesDoNotCount;
  uniquesDoNotCount.uniqueCounts = false;
  CheckRules notInLogPenalty;
  notInLogPenalty.notInLogPenalty = 2;
  const struct {
    const char* name;
    CheckRules rules;
    ScoreTally checked;
    std::int64_t penalty;
  } cases[] = {
      {"defaults: the unique call counts", {}, {2, 93, 2, 293}, 0},
      {"unique calls do not count", uniquesDoNotCount, {1, 31, 1, 131}, 0},
      {"not in log costs its points twice more", notInLogPenalty, {2, 93, 2, 293}, 62},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CheckedContest contest = CheckStations(stations, c.rules);
    const std::size_t log = contest.Log("DL1AAA");
    const ScoreTally& claimed = contest.logs.logs[log].claimed;
    EXPECT_EQ(claimed.qsos, 3);
    EXPECT_EQ(claimed.points, 124);
    EXPECT_EQ(claimed.score, 124 + 300);
    const LogCheck& check = contest.result.logs[log];
    EXPECT_EQ(check.checked.qsos, c.checked.qsos);
    EXPECT_EQ(check.checked.points, c.checked.points);
    EXPECT_EQ(check.checked.fields, c.checked.fields);
    EXPECT_EQ(check.checked.score, c.checked.score);
    EXPECT_EQ(check.penalty, c.penalty);
    EXPECT_EQ(check.score, c.checked.score - c.penalty);
  }
}

TEST(ContestCheck, LogWithoutOwnLocatorIsAnErrorButConfirmsOthers) {
  CheckedContest contest{ContestLogs(2), {}};
  EnterLog(contest.logs, 0, "a.log",
           ReadLogText("START-OF-LOG: 3.0\nCALLSIGN: DL1AAA\n"
                       "QSO: 14000 CW 2024-09-07 1400 DL1AAA JO31 OK1BBB JN79\nEND-OF-LOG:\n"));
  ContestLog noLocator;
  noLocator.format = "ADIF";
  noLocator.stationCall = "OK1BBB";
  LogQso qso;
  qso.callSign = "DL1AAA";
  qso.band = "14";
  qso.mode = "CW";
  qso.exchange = "JO31";
  qso.ownCall = "OK1BBB";
  qso.utcSeconds = 1725717600;
  noLocator.qsos.push_back(qso);
  EnterLog(contest.logs, 1, "b.adi", noLocator);
  contest.logs.Seal();
  ProgressBar quiet(false, nullptr);
  contest.result = CheckContest(contest.logs, CheckRules(), 1, quiet);
  EXPECT_EQ(contest.logs.logs[1].error, "the log names no own locator");
  EXPECT_EQ(contest.Outcome("DL1AAA", 1).qsoClass, QsoClass::kConfirmed);
  EXPECT_EQ(contest.result.logs[1].score, 0);
}

// An EDI QSO of mixed modes (SSB sent, CW received) is matched by the other side's SSB or CW.
TEST(ContestCheck, AMixedModeQsoMatchesPhoneOrCw) {
  for (const char* other : {"SSB", "CW"}) {
    SCOPED_TRACE(other);
    BandQso mixed{"2016-05-07 1400", "YO5BBB", "59 001", "599 001 KN17KT"};
    mixed.mode = "SSB/CW";
    BandQso answer{"2016-05-07 1400", "YO5AAA", "599 001", "59 001 KN16SS"};
    answer.mode = other;
    const CheckedContest contest = CheckBandLogs(
        {{"YO5AAA", "KN16SS", "144", {mixed}}, {"YO5BBB", "KN17KT", "144", {answer}}}, {});
    EXPECT_EQ(contest.result.outcomes[0].qsoClass, QsoClass::kConfirmed);
    EXPECT_EQ(contest.result.outcomes[1].qsoClass, QsoClass::kConfirmed);
  }
}
