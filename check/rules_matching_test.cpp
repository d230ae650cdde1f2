// How the contest's rules change the matching: logs of one band, the exchange, full locators,
// the period, check logs, the logs' own duplicate marks, portable calls. Each table is one rule.
#include <gtest/gtest.h>

#include "check/check_test_support.h"

namespace {
constexpr QsoClass kConfirmed = QsoClass::kConfirmed;
constexpr QsoClass kDuplicate = QsoClass::kDuplicate;
constexpr QsoClass kNotInLog = QsoClass::kNotInLog;
constexpr QsoClass kOutOfPeriod = QsoClass::kOutOfPeriod;
constexpr QsoClass kBustedExchange = QsoClass::kBustedExchange;
constexpr QsoClass kBustedLocator = QsoClass::kBustedLocator;
constexpr QsoClass kBustedCall = QsoClass::kBustedCall;

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
    const std::uint32_t q = contest.QsoOfFile(expected.file, expected.qso);
    ASSERT_NE(q, kNoPartner);
    const QsoOutcome& outcome = contest.result.outcomes[q];
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
// YO5AAA, YO5BBB, YO5CCC and YO5DDD work each other on 144 MHz from 14:30, one QSO every ten
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
        const int shown = 14 * 60 + 30 + minute + (logger == 0 ? aheadMinutes : 0);
        char when[32];
        std::snprintf(when, sizeof when, "2016-05-07 %02d%02d", shown / 60, shown % 60);
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

namespace {
// YO5AAA (KN16SS) and YO5BBB (KN17KT) log one QSO on 144 MHz at 14:00, YO5AAA as `aaa` and
// YO5BBB as `bbb`.
std::vector<BandLog> OneQso(const BandQso& aaa, const BandQso& bbb) {
  return {{"YO5AAA", "KN16SS", "144", {aaa}}, {"YO5BBB", "KN17KT", "144", {bbb}}};
}

struct PairCase {
  const char* name;
  const char* rules;
  const char* aaaSent;
  const char* aaaReceived;  // report, serial and locator as YO5AAA copied them from YO5BBB
  const char* bbbSent;
  const char* bbbReceived;
  QsoClass aaaClass;
  QsoClass bbbClass;
};

// Both QSOs of the pair are judged by each other: each keeps the other as its partner.
void ExpectPairClasses(const PairCase& c) {
  SCOPED_TRACE(c.name);
  ExpectClasses({c.name,
                 c.rules,
                 OneQso({"2016-05-07 1400", "YO5BBB", c.aaaSent, c.aaaReceived},
                        {"2016-05-07 1400", "YO5AAA", c.bbbSent, c.bbbReceived}),
                 {{"YO5AAA-144.edi", 1, c.aaaClass, "YO5BBB-144.edi", 1},
                  {"YO5BBB-144.edi", 1, c.bbbClass, "YO5AAA-144.edi", 1}}});
}
}  // namespace

// Only the side that copied the report or serial wrong loses the QSO; serials compare as numbers.
TEST(RulesMatching, AReportOrSerialCopiedWrongIsABustedExchange) {
  const char* const serial = "check-serial = yes";
  const char* const report = "check-report = yes";
  const PairCase cases[] = {
      {"serials agree", serial, "59 001", "59 011 KN17KT", "59 011", "59 001 KN16SS", kConfirmed,
       kConfirmed},
      {"a serial copied wrong", serial, "59 001", "59 012 KN17KT", "59 011", "59 001 KN16SS",
       kBustedExchange, kConfirmed},
      {"both copied wrong", serial, "59 001", "59 012 KN17KT", "59 011", "59 002 KN16SS",
       kBustedExchange, kBustedExchange},
      {"serials are not compared by default", "", "59 001", "59 012 KN17KT", "59 011",
       "59 001 KN16SS", kConfirmed, kConfirmed},
      {"nor by the report's rule", report, "59 001", "59 012 KN17KT", "59 011", "59 001 KN16SS",
       kConfirmed, kConfirmed},
      {"a serial as a number: 011/ and 11", serial, "59 001", "59 011/ KN17KT", "59 11",
       "59 001 KN16SS", kConfirmed, kConfirmed},
      {"0011 and 011", serial, "59 001", "59 0011 KN17KT", "59 011", "59 001 KN16SS", kConfirmed,
       kConfirmed},
      {"004/B and 4", serial, "59 001", "59 004/B KN17KT", "59 4", "59 001 KN16SS", kConfirmed,
       kConfirmed},
      {"report and serial run together, the serial field empty", serial, "59 001", "59011 - KN17KT",
       "59 011", "59 001 KN16SS", kConfirmed, kConfirmed},
      {"run together and copied wrong", serial, "59 001", "59012 - KN17KT", "59 011",
       "59 001 KN16SS", kBustedExchange, kConfirmed},
      {"sent run together", serial, "59001 -", "59 011 KN17KT", "59 011", "59 001 KN16SS",
       kConfirmed, kConfirmed},
      {"nothing sent to compare with", serial, "59 001", "59 012 KN17KT", "59 -", "59 001 KN16SS",
       kConfirmed, kConfirmed},
      {"nothing copied to compare", serial, "59 001", "59 - KN17KT", "59 011", "59 001 KN16SS",
       kConfirmed, kConfirmed},
      {"a report copied wrong", report, "59 001", "55 011 KN17KT", "59 011", "59 001 KN16SS",
       kBustedExchange, kConfirmed},
      {"reports are not compared by the serial's rule", serial, "59 001", "55 011 KN17KT", "59 011",
       "59 001 KN16SS", kConfirmed, kConfirmed},
      {"a report by its readability and strength: 599 and 59", report, "59 001", "599 011 KN17KT",
       "59 011", "599 001 KN16SS", kConfirmed, kConfirmed},
      {"5NN is 599", report, "599 001", "5NN 011 KN17KT", "599 011", "599 001 KN16SS", kConfirmed,
       kConfirmed},
      {"a locator copied wrong is a busted locator first", serial, "59 001", "59 012 KN18KT",
       "59 011", "59 001 KN16SS", kBustedLocator, kConfirmed},
  };
  for (const PairCase& c : cases) {
    ExpectPairClasses(c);
  }
}

// The other side of a busted call is judged by what the station that busted it sent.
TEST(RulesMatching, TheOtherSideOfABustedCallIsJudgedByTheExchangeToo) {
  ExpectClasses({"YO5BBB busted YO5AAA's call; YO5AAA copied YO5BBB's serial wrong",
                 "check-serial = yes",
                 OneQso({"2016-05-07 1400", "YO5BBB", "59 001", "59 012 KN17KT"},
                        {"2016-05-07 1400", "YO5AAB", "59 011", "59 001 KN16SS"}),
                 {{"YO5AAA-144.edi", 1, kBustedExchange, "YO5BBB-144.edi", 1},
                  {"YO5BBB-144.edi", 1, kBustedCall, "YO5AAA-144.edi", 1}}});
}

// Six characters are compared where both sides have six, else the square.
TEST(RulesMatching, SixCharacterLocatorsAreComparedWhereTheRulesSay) {
  const char* const six = "locator-length = 6";
  const PairCase cases[] = {
      {"the sub-square copied wrong", six, "59 001", "59 011 KN17KS", "59 011", "59 001 KN16SS",
       kBustedLocator, kConfirmed},
      {"in any case", six, "59 001", "59 011 kn17kt", "59 011", "59 001 KN16SS", kConfirmed,
       kConfirmed},
      {"the square only by default", "", "59 001", "59 011 KN17KS", "59 011", "59 001 KN16SS",
       kConfirmed, kConfirmed},
      {"copied with its square only", six, "59 001", "59 011 KN17", "59 011", "59 001 KN16SS",
       kConfirmed, kConfirmed},
      {"the square copied wrong", six, "59 001", "59 011 KN18KT", "59 011", "59 001 KN16SS",
       kBustedLocator, kConfirmed},
  };
  for (const PairCase& c : cases) {
    ExpectPairClasses(c);
  }
  ExpectClasses(
      {"the locator sent has its square only",
       "locator-length = 6",
       {{"YO5AAA", "KN16SS", "144", {{"2016-05-07 1400", "YO5BBB", "59 001", "59 011 KN17KS"}}},
        {"YO5BBB", "KN17", "144", {{"2016-05-07 1400", "YO5AAA", "59 011", "59 001 KN16SS"}}}},
       {{"YO5AAA-144.edi", 1, kConfirmed, "YO5BBB-144.edi", 1}}});
}

// A call with a portable suffix is the station's call where the rules say so: the suffix is left
// out on both sides, in the call logged and in the station's own.
TEST(RulesMatching, PortableSuffixesAreIgnoredWhereTheRulesSay) {
  constexpr QsoClass kUnique = QsoClass::kUnique;
  const char* const ignored = "portable-suffixes-ignored = yes";
  const struct {
    const char* name;
    const char* rules;
    const char* bbbCall;    // YO5BBB's own, as its log gives it
    const char* aaaLogged;  // the call YO5AAA logged for it
    const char* bbbLogged;  // the call YO5BBB logged for YO5AAA
    QsoClass aaaClass;
    QsoClass bbbClass;
  } cases[] = {
      {"logged with /P", ignored, "YO5BBB", "YO5BBB/P", "YO5AAA", kConfirmed, kConfirmed},
      {"signing /P", ignored, "YO5BBB/P", "YO5BBB", "YO5AAA", kConfirmed, kConfirmed},
      {"each with its own suffix", ignored, "YO5BBB/M", "YO5BBB/QRP", "YO5AAA/MM", kConfirmed,
       kConfirmed},
      {"not by default", "", "YO5BBB", "YO5BBB/P", "YO5AAA", kUnique, kNotInLog},
      {"another call area is another call", ignored, "YO5BBB", "YO5BBB/6", "YO5AAA", kUnique,
       kNotInLog},
      {"a near call with a suffix is a busted call", ignored, "YO5BBB", "YO5BBD/P", "YO5AAA",
       kBustedCall, kConfirmed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CheckedContest contest = CheckBandLogs(
        {{"YO5AAA", "KN16SS", "144", {{"2016-05-07 1400", c.aaaLogged, "59 001", "59 011 KN17KT"}}},
         {c.bbbCall,
          "KN17KT",
          "144",
          {{"2016-05-07 1400", c.bbbLogged, "59 011", "59 001 KN16SS"}}}},
        ParseRules(c.rules));
    EXPECT_EQ(ClassName(contest.result.outcomes[0].qsoClass), ClassName(c.aaaClass));
    EXPECT_EQ(ClassName(contest.result.outcomes[1].qsoClass), ClassName(c.bbbClass));
  }
}

// With a log for each band, a station sent a log for a band or it did not: a QSO with a station
// whose log for that band is missing is unique or not checkable by the logs of that band (each
// band's logs a contest of their own), never not in log.
TEST(RulesMatching, WithALogForEachBandEachBandIsMatchedOnItsOwn) {
  constexpr QsoClass kNotCheckable = QsoClass::kNotCheckable;
  constexpr QsoClass kUnique = QsoClass::kUnique;
  const char* const perBand = "log-per-band = yes";
  const BandLog aaa144 = {
      "YO5AAA", "KN16SS", "144", {{"2016-05-07 1400", "YO5BBB", "59 001", "59 001 KN17KT"}}};
  const BandLog aaa432 = {
      "YO5AAA", "KN16SS", "432", {{"2016-05-07 1500", "YO5BBB", "59 001", "59 001 KN17KT"}}};
  const BandLog bbb144 = {
      "YO5BBB", "KN17KT", "144", {{"2016-05-07 1400", "YO5AAA", "59 001", "59 001 KN16SS"}}};
  const MatchingCase cases[] = {
      {"both bands' logs of a station take part",
       perBand,
       {aaa144,
        aaa432,
        bbb144,
        {"YO5BBB", "KN17KT", "432", {{"2016-05-07 1500", "YO5AAA", "59 001", "59 001 KN16SS"}}}},
       {{"YO5AAA-144.edi", 1, kConfirmed, "YO5BBB-144.edi", 1},
        {"YO5AAA-432.edi", 1, kConfirmed, "YO5BBB-432.edi", 1},
        {"YO5BBB-432.edi", 1, kConfirmed, "YO5AAA-432.edi", 1}}},
      {"a station without a log for the band, in one log of it: unique",
       perBand,
       {aaa144, aaa432, bbb144},
       {{"YO5AAA-144.edi", 1, kConfirmed, "YO5BBB-144.edi", 1},
        {"YO5AAA-432.edi", 1, kUnique, "", 0}}},
      {"a station without a log for the band, in two logs of it: not checkable",
       perBand,
       {aaa144,
        aaa432,
        bbb144,
        {"YO5DDD", "KN36OO", "432", {{"2016-05-07 1510", "YO5BBB", "59 001", "59 002 KN17KT"}}}},
       {{"YO5AAA-432.edi", 1, kNotCheckable, "", 0}, {"YO5DDD-432.edi", 1, kNotCheckable, "", 0}}},
      {"by default a station's second log is set aside: not in log",
       "",
       {bbb144, aaa144, aaa432},
       {{"YO5BBB-144.edi", 1, kConfirmed, "YO5AAA-144.edi", 1}}},
      {"a call in two logs of one station only is unique",
       perBand,
       {{"YO5AAA", "KN16SS", "144", {{"2016-05-07 1400", "YO9ZZZ", "59 001", "59 001 KN35AA"}}},
        {"YO5AAA", "KN16SS", "432", {{"2016-05-07 1500", "YO9ZZZ", "59 001", "59 001 KN35AA"}}}},
       {{"YO5AAA-144.edi", 1, kUnique, "", 0}, {"YO5AAA-432.edi", 1, kUnique, "", 0}}},
      {"a near call with a log for the band is a busted call",
       perBand,
       {{"YO5AAA", "KN16SS", "432", {{"2016-05-07 1500", "YO5BBD", "59 001", "59 001 KN17KT"}}},
        {"YO5BBD", "KN17KT", "144", {{"2016-05-07 1400", "YO9ZZZ", "59 001", "59 001 KN35AA"}}},
        {"YO5BBB", "KN17KT", "432", {{"2016-05-07 1500", "YO5AAA", "59 001", "59 001 KN16SS"}}}},
       {{"YO5AAA-432.edi", 1, kBustedCall, "YO5BBB-432.edi", 1},
        {"YO5BBB-432.edi", 1, kConfirmed, "YO5AAA-432.edi", 1}}},
      {"a second log of a station for one band is set aside",
       perBand,
       {aaa144,
        bbb144,
        {"YO5AAA", "KN16SS", "144", {{"2016-05-07 1400", "YO5BBB", "59 001", "59 001 KN17KT"}}}},
       {{"YO5AAA-144.edi", 1, kConfirmed, "YO5BBB-144.edi", 1}}},
  };
  for (const MatchingCase& c : cases) {
    ExpectClasses(c);
  }
}

// Two logs of one station for one band: the first given is ranked, the other set aside, per band
// where each log covers one.
TEST(RulesMatching, ASecondLogOfAStationIsSetAsideForItsBand) {
  const BandLog aaa144 = {"YO5AAA", "KN16SS", "144", {}};
  const BandLog aaa432 = {"YO5AAA", "KN16SS", "432", {}};
  const BandLog aaaPortable = {"YO5AAA/P", "KN16SS", "144", {}};
  const struct {
    const char* rules;
    std::vector<BandLog> logs;
    std::vector<std::string> errors;
  } cases[] = {
      {"",
       {aaa144, aaa432},
       {"",
        "another log of YO5AAA: the station is ranked on YO5AAA-144.edi, "
        "and this log takes no part"}},
      {"log-per-band = yes", {aaa144, aaa432}, {"", ""}},
      {"log-per-band = yes",
       {aaa432, aaa144, aaa432},
       {"", "",
        "another log of YO5AAA for 432: the station is ranked on YO5AAA-432.edi, and this "
        "log takes no part"}},
      {"portable-suffixes-ignored = yes",
       {aaa144, aaaPortable},
       {"",
        "another log of YO5AAA/P: the station is ranked on YO5AAA-144.edi, and this log takes "
        "no part"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    const CheckedContest contest = CheckBandLogs(c.logs, ParseRules(c.rules));
    std::vector<std::string> errors;
    for (const CheckLog& log : contest.logs.logs) {
      errors.push_back(log.error);
    }
    EXPECT_EQ(errors, c.errors);
  }
}

// A clock offset is applied only when enough QSOs show it and it is no larger than the rules
// allow; one not applied is reported as such, and the log's QSOs are matched on its own clock.
TEST(RulesMatching, AClockOffsetIsAppliedWithinTheRulesLimits) {
  const struct {
    const char* rules;
    int aheadMinutes;
    std::int64_t offset;   // applied, in seconds
    std::int64_t refused;  // estimated but not applied
    QsoClass qsoClass;     // of YO5AAA's QSOs with the other three
  } cases[] = {
      {"", 30, 30 * 60, 0, kConfirmed},
      {"clock-offset-min-qsos = 4", 30, 30 * 60, 0, kConfirmed},  // four QSOs show it
      {"clock-offset-min-qsos = 5", 30, 0, 30 * 60, kNotInLog},
      {"clock-offset-max-minutes = 30", 30, 30 * 60, 0, kConfirmed},
      {"clock-offset-max-minutes = 29", 30, 0, 30 * 60, kNotInLog},
      {"clock-offset-max-minutes = 29", -30, 0, -30 * 60, kNotInLog},
      {"clock-offset-max-minutes = 0", 1, 0, 0, kConfirmed},  // a minute is no offset at all
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.rules) + ", ahead " + std::to_string(c.aheadMinutes));
    // YO5AAA's QSO with YO5EEE at 14:30, on its own clock too.
    const int minute = 14 * 60 + 30 + c.aheadMinutes;
    char aaaLogged[32];
    std::snprintf(aaaLogged, sizeof aaaLogged, "2016-05-07 %02d%02d", minute / 60, minute % 60);
    const CheckedContest contest = CheckBandLogs(
        FiveStations(c.aheadMinutes, aaaLogged, "2016-05-07 1430"), ParseRules(c.rules));
    const ClockEstimate& clock = contest.result.logs[0].clock;
    EXPECT_EQ(clock.offset, c.offset);
    EXPECT_EQ(clock.refused, c.refused);
    EXPECT_EQ(clock.basis, 4u);
    for (int n = 1; n <= 3; ++n) {
      SCOPED_TRACE(n);
      EXPECT_EQ(ClassName(contest.result.outcomes[contest.QsoOfFile("YO5AAA-144.edi", n)].qsoClass),
                ClassName(c.qsoClass));
    }
  }
}

// A log whose one QSO with the others is dated a day early, a slip of its date: without limits
// the slip is taken for the log's clock, a day behind, and the QSO confirmed; with the limits of a
// VHF contest's rules no offset rests on one QSO, and the QSO falls before the period.
TEST(RulesMatching, ADateSlippedInALogsOneQsoIsNoClockOffset) {
  const std::vector<BandLog> logs =
      FiveStations(0, "2016-05-07 1500", "2016-05-06 1501");  // YO5EEE's date slipped
  const struct {
    const char* rules;
    std::int64_t offset;
    std::int64_t refused;
    QsoClass eeeClass;
    QsoClass aaaClass;
  } cases[] = {
      {"", -86340, 0, kConfirmed, kConfirmed},
      {"clock-offset-min-qsos = 5\nperiod-start = 2016-05-07T14:00\n"
       "period-end = 2016-05-08T14:00",
       0, -86340, kOutOfPeriod, kNotInLog},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    const CheckedContest contest = CheckBandLogs(logs, ParseRules(c.rules));
    const ClockEstimate& clock = contest.result.logs[contest.Log("YO5EEE")].clock;
    EXPECT_EQ(clock.basis, 1u);
    EXPECT_EQ(clock.offset, c.offset);
    EXPECT_EQ(clock.refused, c.refused);
    EXPECT_EQ(ClassName(contest.result.outcomes[contest.QsoOfFile("YO5EEE-144.edi", 1)].qsoClass),
              ClassName(c.eeeClass));
    EXPECT_EQ(ClassName(contest.result.outcomes[contest.QsoOfFile("YO5AAA-144.edi", 4)].qsoClass),
              ClassName(c.aaaClass));
  }
}
