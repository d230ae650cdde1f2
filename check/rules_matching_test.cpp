// How the contest's rules change the matching: logs of one band, the exchange, full locators,
// the period, check logs, the logs' own duplicate marks, portable calls. Each table is one rule.
#include <gtest/gtest.h>

#include "check/check_test_support.h"

namespace {
constexpr QsoClass kConfirmed = QsoClass::kConfirmed;
constexpr QsoClass kDuplicate = QsoClass::kDuplicate;
constexpr QsoClass kNotInLog = QsoClass::kNotInLog;

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
