#include "check/ubn_report.h"

#include <gtest/gtest.h>

#include "check/check_test_support.h"
#include "logfiles/test_support.h"

namespace {
// A VHF contest on 144 MHz in which YO5AAA's log has one QSO of each class but not checkable,
// besides a confirmed one, each with a station that logged it as the class needs.
std::vector<BandLog> OneOfEachClass() {
  const auto qso = [](const char* time, const char* call, const char* sent, const char* received) {
    return BandQso{std::string("2016-05-07 ") + time, call, sent, received};
  };
  return {
      {"YO5AAA",
       "KN16SS",
       "144",
       {qso("1350", "YO5HHH", "59 001", "59 001 KN06AA"),   // before the period
        qso("1400", "YO5BBB", "59 002", "59 001 KN17KT"),   // confirmed
        qso("1405", "YO5CCD", "59 003", "59 001 KN27FH"),   // YO5CCC's call, busted
        qso("1410", "YO5DDD", "59 004", "59 002 KN36OP"),   // YO5DDD's sub-square, busted
        qso("1415", "YO5EEE", "59 005", "59 005 KN05RK"),   // YO5EEE's serial, busted
        qso("1420", "YO5FFF", "59 006", "59 001 KN15AA"),   // in no other log
        qso("1425", "YO5GGG", "59 007", "59 003 KN26AA"),   // not in YO5GGG's log
        qso("1430", "YO5BBB", "59 008", "59 002 KN17KT")},  // YO5BBB again
       "SINGLE"},
      {"YO5BBB", "KN17KT", "144", {qso("1400", "YO5AAA", "59 001", "59 002 KN16SS")}},
      {"YO5CCC", "KN27FH", "144", {qso("1405", "YO5AAA", "59 001", "59 003 KN16SS")}},
      {"YO5DDD", "KN36OO", "144", {qso("1410", "YO5AAA", "59 002", "59 004 KN16SS")}},
      {"YO5EEE", "KN05RK", "144", {qso("1415", "YO5AAA", "59 003", "59 005 KN16SS")}},
      {"YO5GGG", "KN26AA", "144", {qso("1440", "YO5III", "59 003", "59 001 KN26BB")}},
      {"YO5HHH", "KN06AA", "144", {qso("1350", "YO5AAA", "59 001", "59 001 KN16SS")}},
  };
}

const char* const kVhfRules =
    "contest = Autumn 144 MHz test\n"
    "period-start = 2016-05-07T14:00\n"
    "period-end = 2016-05-08T14:00\n"
    "bands = 144 432\n"
    "log-per-band = yes\n"
    "check-report = yes\n"
    "check-serial = yes\n"
    "locator-length = 6\n"
    "mode-must-match = no\n"
    "penalty-busted-call = 1\n"
    "points = per-km\n"
    "points-added = 1\n"
    "multipliers = none\n";
}  // namespace

TEST(UbnReport, ListsEachClassOfAVhfContestWithWhatIsCorrectAndThePointsLost) {
  const CheckedContest contest = CheckBandLogs(OneOfEachClass(), ParseRules(kVhfRules));
  EXPECT_EQ(UbnReportText(contest.logs, contest.result, contest.Log("YO5AAA")),
            "UBN report: Autumn 144 MHz test\n"
            "Call     YO5AAA\n"
            "Locator  KN16SS\n"
            "Band     144\n"
            "Section  SINGLE\n"
            "Log      YO5AAA-144.edi (EDI)\n"
            "\n"
            "Unique: 1, counted\n"
            "  Date        Time  Band  Call    Logged  Correct  Lost\n"
            "  2016-05-07  1420  144   YO5FFF                      0\n"
            "\n"
            "Busted calls: 1\n"
            "  Date        Time  Band  Call    Logged  Correct  Lost\n"
            "  2016-05-07  1405  144   YO5CCD  YO5CCD  YO5CCC    184\n"
            "\n"
            "Busted locators: 1\n"
            "  Date        Time  Band  Call    Logged  Correct  Lost\n"
            "  2016-05-07  1410  144   YO5DDD  KN36OP  KN36OO    280\n"
            "\n"
            "Busted exchanges: 1\n"
            "  Date        Time  Band  Call    Logged  Correct  Lost\n"
            "  2016-05-07  1415  144   YO5EEE  59 005  59 003    219\n"
            "\n"
            "Not in log: 1\n"
            "  Date        Time  Band  Call    Logged  Correct  Lost\n"
            "  2016-05-07  1425  144   YO5GGG                     92\n"
            "\n"
            "Out of period: 1 (the contest runs from 2016-05-07T14:00 until 2016-05-08T14:00 UTC "
            "on 144 432)\n"
            "  Date        Time  Band  Call    Logged  Correct  Lost\n"
            "  2016-05-07  1350  144   YO5HHH                    282\n"
            "\n"
            "Duplicates: 1\n"
            "  Date        Time  Band  Call    Logged  Correct  Lost\n"
            "  2016-05-07  1430  144   YO5BBB                      0\n"
            "\n"
            "Totals\n"
            "  Claimed  7 QSOs, 1319 points, score 1319\n"
            "  Checked  2 QSOs, 354 points, penalty 92, score 262\n"
            "  Lost     6 QSOs: 1 busted call, 1 busted locator, 1 busted exchange, 1 not in log, "
            "1 out of period, 1 duplicate\n");
}

// The README shows the report of the test above.
TEST(UbnReport, TheReadmeShowsTheReportOfAVhfContest) {
  const CheckedContest contest = CheckBandLogs(OneOfEachClass(), ParseRules(kVhfRules));
  EXPECT_EQ("\n" + UbnReportText(contest.logs, contest.result, contest.Log("YO5AAA")) + "\n",
            ReadmeExample("UBN report example"));
}

// By the defaults a log is of all bands, scored on the engine, and neither its exchange nor its
// period is checked: those sections are left out, and an empty one says so.
TEST(UbnReport, ListsOnlyTheClassesTheRulesCanGive) {
  const CheckedContest contest =
      CheckStations({{"DL1AAA",
                      "JO31",
                      {{"14000 CW 2024-09-07 1400", "OK1BBD JN79"},
                       {"7000 CW 2024-09-07 1410", "SP1CCC JO73"},
                       {"21000 CW 2024-09-07 1500", "OK1BBB JN79"}}},
                     {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1401", "DL1AAA JO31"}}},
                     {"SP1CCC", "JO73", {{"7000 CW 2024-09-07 1410", "DL1AAA JO31"}}}});
  EXPECT_EQ(UbnReportText(contest.logs, contest.result, contest.Log("DL1AAA")),
            "UBN report\n"
            "Call     DL1AAA\n"
            "Locator  JO31\n"
            "Band     all\n"
            "Section  -\n"
            "Log      DL1AAA.log (Cabrillo)\n"
            "\n"
            "Unique: none\n"
            "\n"
            "Busted calls: 1\n"
            "  Date        Time  Band  Call    Logged  Correct  Lost\n"
            "  2024-09-07  1400  14    OK1BBD  OK1BBD  OK1BBB     31\n"
            "\n"
            "Busted locators: none\n"
            "\n"
            "Not in log: 1\n"
            "  Date        Time  Band  Call    Logged  Correct  Lost\n"
            "  2024-09-07  1500  21    OK1BBB                     31\n"
            "\n"
            "Duplicates: none\n"
            "\n"
            "Totals\n"
            "  Claimed  3 QSOs, 93 points, 3 fields, score 393\n"
            "  Checked  1 QSO, 31 points, 1 field, penalty 0, score 131\n"
            "  Lost     2 QSOs: 1 busted call, 1 not in log\n");
}

TEST(UbnReport, ShowsTheControlCharactersOfALogVisibly) {
  const std::string call =
      "K1\x9b"
      "2J";  // a terminal's escape sequence introducer
  const CheckedContest contest =
      CheckStations({{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", call + " JN79"}}},
                     {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "SP1CCC JO73"}}}});
  const std::string report = UbnReportText(contest.logs, contest.result, contest.Log("DL1AAA"));
  EXPECT_EQ(report.find('\x9b'), std::string::npos);
  EXPECT_NE(report.find("  2024-09-07  1400  14    K1\\x9b2J"), std::string::npos) << report;
}

TEST(UbnReport, AQsoWithoutATimeShowsSoInItsDateColumn) {
  const CheckedContest contest =
      CheckStations({{"DL1AAA", "JO31", {{"14000 CW 2024-09-07 2500", "OK1BBB JN79"}}},
                     {"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "SP1CCC JO73"}}}});
  const std::string report = UbnReportText(contest.logs, contest.result, contest.Log("DL1AAA"));
  EXPECT_NE(report.find("  Date       Time  Band  Call    Logged  Correct  Lost\n"
                        "  (no time)        14    OK1BBB                     31\n"),
            std::string::npos)
      << report;
}
