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
