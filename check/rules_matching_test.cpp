// How the contest's rules change the matching: logs of one band, the exchange, full locators,
// the period, check logs, the logs' own duplicate marks, portable calls. Each table is one rule.
#include <gtest/gtest.h>

#include "check/check_test_support.h"

namespace {
constexpr QsoClass kConfirmed = QsoClass::kConfirmed;
constexpr QsoClass kDuplicate = QsoClass::kDuplicate;
constexpr QsoClass kNotInLog = QsoClass::kNotInLog;
constexpr QsoClass kOutOfPeriod = QsoClass::kOutOfPeriod;

// A QSO of a log, named by its file (BandLogFile), its expected class and the QSO it was judged
// by (none: "").
struct Expected {
  const char* file;
  int qso;
  QsoClass qsoClass;
  const char* partnerFile;
  int partnerQso;
};

struct MatchingCase {
  const char* name;
  const char* rules;  // a rules file's text
  std::vector<BandLog> logs;
  std::vector<Expected> expected;
};

void ExpectClasses(const MatchingCase& c) {
  SCOPED_TRACE(c.name);
  const CheckedContest contest = CheckBandLogs(c.logs, ParseRules(c.rules));
  for (const Expected& expected : c.expected) {
    SCOPED_TRACE(std::string(expected.file) + " QSO " + std::to_string(expected.qso));
    const QsoOutcome& outcome =
        contest.result.outcomes[contest.QsoOfFile(expected.file, expected.qso)];
    EXPECT_EQ(ClassName(outcome.qsoClass), ClassName(expected.qsoClass));
    const std::uint32_t partner = *expected.partnerFile
                                      ? contest.QsoOfFile(expected.partnerFile, expected.partnerQso)
                                      : kNoPartner;
    EXPECT_EQ(outcome.partner, partner);
  }
}
}  // namespace

// YO5AAA (KN16SS) and YO5BBB (KN17KT) work each other on 144 MHz.
TEST(RulesMatching, TheLogsOwnDuplicateMarkMakesADuplicate) {
  const MatchingCase cases[] = {
      {"a QSO the log marks is a duplicate of the earlier one, and not matched",
       "",
       {{"YO5AAA",
         "KN16SS",
         "144",
         {{"2016-05-07 1400", "YO5BBB", "59 001", "59 001 KN17KT"},
          {"2016-05-07 1500", "YO5BBB", "59 002", "59 007 KN17KT", true}}},
        {"YO5BBB", "KN17KT", "144", {{"2016-05-07 1500", "YO5AAA", "59 007", "59 002 KN16SS"}}}},
       {{"YO5AAA-144.edi", 1, kNotInLog, "YO5BBB-144.edi", 1},
        {"YO5AAA-144.edi", 2, kDuplicate, "YO5AAA-144.edi", 1},
        {"YO5BBB-144.edi", 1, kNotInLog, "YO5AAA-144.edi", 1}}},
      {"a marked QSO with no earlier one is a duplicate of nothing",
       "",
       {{"YO5AAA",
         "KN16SS",
         "144",
         {{"2016-05-07 1400", "YO5BBB", "59 001", "59 001 KN17KT", true}}},
        {"YO5BBB", "KN17KT", "144", {{"2016-05-07 1400", "YO5AAA", "59 001", "59 001 KN16SS"}}}},
       {{"YO5AAA-144.edi", 1, kDuplicate, "", 0}, {"YO5BBB-144.edi", 1, kNotInLog, "", 0}}},
      {"an unmarked QSO is matched",
       "",
       {{"YO5AAA", "KN16SS", "144", {{"2016-05-07 1400", "YO5BBB", "59 001", "59 001 KN17KT"}}},
        {"YO5BBB", "KN17KT", "144", {{"2016-05-07 1400", "YO5AAA", "59 001", "59 001 KN16SS"}}}},
       {{"YO5AAA-144.edi", 1, kConfirmed, "YO5BBB-144.edi", 1},
        {"YO5BBB-144.edi", 1, kConfirmed, "YO5AAA-144.edi", 1}}},
  };
  for (const MatchingCase& c : cases) {
    ExpectClasses(c);
  }
}

namespace {
// YO5AAA, YO5BBB, YO5CCC and YO5DDD work each other on 144 MHz from 14:00, one QSO every ten
// minutes, YO5AAA's clock `aheadMinutes` ahead; then YO5AAA works YO5EEE, each logging it as
// given.
std::vector<BandLog> FiveStations(int aheadMinutes, const char* aaaLogged, const char* eeeLogged) {
  const char* const calls[] = {"YO5AAA", "YO5BBB", "YO5CCC", "YO5DDD"};
  const char* const locators[] = {"KN16SS", "KN17KT", "KN27FH", "KN36OO"};
  std::vector<BandLog> logs;
  for (int s = 0; s < 4; ++s) {
    logs.push_back({calls[s], locators[s], "144", {}});
  }
  int minute = 0;
  for (int a = 0; a < 4; ++a) {
    for (int b = a + 1; b < 4; ++b, minute += 10) {
      for (const auto& [logger, worked] : {std::pair{a, b}, std::pair{b, a}}) {
        const int shown = minute + (logger == 0 ? aheadMinutes : 0);
        char when[32];
        std::snprintf(when, sizeof when, "2016-05-07 %02d%02d", 14 + shown / 60, shown % 60);
        logs[logger].qsos.push_back(
            {when, calls[worked], "59 001", std::string("59 001 ") + locators[worked]});
      }
    }
  }
  logs[0].qsos.push_back({aaaLogged, "YO5EEE", "59 004", "59 001 KN05RK"});
  logs.push_back({"YO5EEE", "KN05RK", "144", {{eeeLogged, "YO5AAA", "59 001", "59 004 KN16SS"}}});
  return logs;
}
}  // namespace

// The period is [start, end) on the contest's clock; a band the rules do not name is out of period
// too. Either way the QSO is not matched: the other side's entry stays without a pair.
TEST(RulesMatching, AQsoOutsideThePeriodOrItsBandsIsOutOfPeriod) {
  const char* const period = "period-start = 2016-05-07T14:00\nperiod-end = 2016-05-07T16:00\n";
  const struct {
    const char* name;
    const char* rules;
    int aheadMinutes;
    const char* aaaLogged;  // YO5AAA's QSO with YO5EEE
    const char* eeeLogged;
    QsoClass aaaClass;
    QsoClass eeeClass;
  } cases[] = {
      {"before the start", period, 0, "2016-05-07 1359", "2016-05-07 1359", kOutOfPeriod,
       kOutOfPeriod},
      {"the end is out", period, 0, "2016-05-07 1600", "2016-05-07 1559", kOutOfPeriod, kNotInLog},
      {"the last minute is in", period, 0, "2016-05-07 1559", "2016-05-07 1559", kConfirmed,
       kConfirmed},
      {"without a period any time is in", "", 0, "2016-05-09 1400", "2016-05-09 1400", kConfirmed,
       kConfirmed},
      {"on the contest's clock: ahead into the period", period, 30, "2016-05-07 1625",
       "2016-05-07 1555", kConfirmed, kConfirmed},
      {"on the contest's clock: ahead out of it", period, 30, "2016-05-07 1425", "2016-05-07 1355",
       kOutOfPeriod, kOutOfPeriod},
      {"without a time nothing says it is out", period, 0, "2016-05-07 9999", "2016-05-07 1559",
       kConfirmed, kConfirmed},
      {"a band the rules name counts", "bands = 144 432", 0, "2016-05-07 1500", "2016-05-07 1500",
       kConfirmed, kConfirmed},
      {"a band the rules do not name is out", "bands = 432", 0, "2016-05-07 1500",
       "2016-05-07 1500", kOutOfPeriod, kOutOfPeriod},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CheckedContest contest =
        CheckBandLogs(FiveStations(c.aheadMinutes, c.aaaLogged, c.eeeLogged), ParseRules(c.rules));
    const auto classOf = [&](const char* file, int n) {
      return ClassName(contest.result.outcomes[contest.QsoOfFile(file, n)].qsoClass);
    };
    EXPECT_EQ(classOf("YO5AAA-144.edi", 4), ClassName(c.aaaClass));
    EXPECT_EQ(classOf("YO5EEE-144.edi", 1), ClassName(c.eeeClass));
    EXPECT_EQ(contest.result.logs[0].clock.offset, c.aheadMinutes * 60);
  }
}
