// What the organiser reads: the results table's order, a log's report, the HTML page.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "check/check_test_support.h"
#include "check/html_summary.h"
#include "check/log_report.h"
#include "check/report_files.h"
#include "check/results_table.h"
#include "logfiles/utf8.h"

namespace {
// DL1AAA busts OK1BBB's call once; OK1BBB misses a QSO of SP1CCC's; SP1CCC and OK1BBB score the
// same and share a place.
std::vector<StationLog> ThreeStations() {
  return {
      {"DL1AAA",
       "JO31",
       {{"14000 CW 2024-09-07 1400", "OK1BBD JN79"}, {"7000 CW 2024-09-07 1410", "SP1CCC JO73"}}},
      {"OK1BBB",
       "JN79",
       {{"14000 CW 2024-09-07 1401", "DL1AAA JO31"}, {"7000 CW 2024-09-07 1420", "SP1CCC JO73"}}},
      {"SP1CCC",
       "JO73",
       {{"7000 CW 2024-09-07 1410", "DL1AAA JO31"},
        {"7000 CW 2024-09-07 1421", "OK1BBB JN79"},
        {"14000 CW 2024-09-07 1500", "OK1BBB JN79"}}}};
}

// The HTML page of the three stations and one more of `call`, who worked DL1AAA.
std::string HtmlWithAFourthStation(const std::string& call) {
  std::vector<StationLog> stations = ThreeStations();
  stations.push_back({call, "FN42", {{"14000 CW 2024-09-07 1600", "DL1AAA JO31"}}});
  const CheckedContest contest = CheckStations(stations);
  const std::vector<ResultRow> rows =
      RankResults(contest.logs, contest.result, ReportPaths(contest.logs));
  return HtmlSummary(contest.logs, contest.result, rows);
}
// The three stations matched by the defaults and reported by `rules`, with DL1AAA's two QSOs then
// given the classes `first` and `second` (each keeps the QSO it was judged by) and the log scored
// again: the matching that gives the newer classes is not the outputs' to test.
CheckedContest WithDl1aaaJudged(const CheckRules& rules, QsoClass first, QsoClass second) {
  CheckedContest contest = CheckStations(ThreeStations());
  contest.result.rules = rules;
  contest.result.outcomes[contest.Qso("DL1AAA", 1)].qsoClass = first;
  contest.result.outcomes[contest.Qso("DL1AAA", 2)].qsoClass = second;
  const std::size_t log = contest.Log("DL1AAA");
  LogCheck& check = contest.result.logs[log];
  check.classes = {};
  check.penalty = 0;
  ScoreCheckedLog(contest.logs, log, rules, contest.result.outcomes, check);
  return contest;
}
}  // namespace

TEST(CheckReports, ResultsSortedByCheckedScoreWithSharedPlaces) {
  const CheckedContest contest = CheckStations(ThreeStations());
  const std::vector<ResultRow> rows =
      RankResults(contest.logs, contest.result, ReportPaths(contest.logs));
  ASSERT_EQ(rows.size(), 3u);
  std::vector<std::string> calls;
  for (const ResultRow& row : rows) {
    calls.push_back(contest.logs.logs[row.log].stationCall + " " + std::to_string(row.place));
  }
  // OK1BBB and SP1CCC: two confirmed QSOs of 31 points in two fields; DL1AAA one.
  EXPECT_EQ(calls, (std::vector<std::string>{"OK1BBB 1", "SP1CCC 1", "DL1AAA 3"}));
  EXPECT_EQ(rows[2].report, "reports/DL1AAA.txt");
  const std::string text = ResultsText(contest.logs, contest.result, rows);
  EXPECT_NE(text.find("    3  DL1AAA      JO31         2"), std::string::npos) << text;
  const std::string csv = ResultsCsv(contest.logs, contest.result, rows);
  EXPECT_NE(csv.find("\n3,DL1AAA,JO31,DL1AAA.log,2,62,2,262,1,31,1,0,131,0,1,0,1,0,0,0,0,"
                     "reports/DL1AAA.txt,\n"),
            std::string::npos)
      << csv;
  const nlohmann::json json =
      nlohmann::json::parse(ResultsJson(contest.logs, contest.result, rows));
  EXPECT_EQ(json["rules"]["time_window_minutes"], 10);
  EXPECT_EQ(json["rules"]["mode_must_match"], true);
  ASSERT_EQ(json["logs"].size(), 3u);
  const nlohmann::json& last = json["logs"][2];
  EXPECT_EQ(last["place"], 3);
  EXPECT_EQ(last["call"], "DL1AAA");
  EXPECT_EQ(last["classes"]["busted_call"], 1);
}

TEST(CheckReports, LogReportListsEachUnconfirmedQsoWithTheOtherLogsLine) {
  const CheckedContest contest = CheckStations(ThreeStations());
  const std::string report = LogReportText(contest.logs, contest.result, contest.Log("DL1AAA"), 3);
  EXPECT_NE(report.find("Claimed: 2 QSOs, 62 points, 2 fields, score 262\n"
                        "Checked: 1 QSO, 31 points, 1 field, penalty 0, score 131\n"
                        "Clock: right (from 1 QSO with other logs)\n"),
            std::string::npos)
      << report;
  EXPECT_NE(
      report.find("Unconfirmed QSOs\n"
                  "DL1AAA.log:3: QSO: 14000 CW 2024-09-07 1400 DL1AAA JO31 OK1BBD JN79\n"
                  "  busted call: OK1BBD sent no log; OK1BBB logged DL1AAA, 1 minute apart:\n"
                  "    OK1BBB.log:3: QSO: 14000 CW 2024-09-07 1401 OK1BBB JN79 DL1AAA JO31\n"),
      std::string::npos)
      << report;
  const std::string other = LogReportText(contest.logs, contest.result, contest.Log("SP1CCC"), 1);
  EXPECT_NE(other.find("SP1CCC.log:5: QSO: 14000 CW 2024-09-07 1500 SP1CCC JO73 OK1BBB JN79\n"
                       "  not in log: OK1BBB's log has no QSO with SP1CCC on band 14\n"),
            std::string::npos)
      << other;
}

// Busted exchange and out of period have their columns and counts only where the rules can give
// them; with the defaults every output is as it was.
TEST(CheckReports, TheNewerClassesShowWhereTheRulesCanGiveThem) {
  const CheckRules rules = ParseRules("check-serial = yes\nperiod-start = 2024-09-07T14:05\n");
  const CheckedContest contest =
      WithDl1aaaJudged(rules, QsoClass::kOutOfPeriod, QsoClass::kBustedExchange);
  const std::vector<ResultRow> rows =
      RankResults(contest.logs, contest.result, ReportPaths(contest.logs));
  const std::string text = ResultsText(contest.logs, contest.result, rows);
  EXPECT_NE(text.find("  Unique  BustExch  OutPeriod\n"), std::string::npos) << text;
  EXPECT_NE(text.find("       0         1          1\n"), std::string::npos) << text;
  const std::string csv = ResultsCsv(contest.logs, contest.result, rows);
  EXPECT_NE(csv.find(",not_checkable,duplicate,busted_exchange,out_of_period,report,error\n"),
            std::string::npos)
      << csv;
  const nlohmann::json json =
      nlohmann::json::parse(ResultsJson(contest.logs, contest.result, rows));
  EXPECT_EQ(json["rules"]["check_serial"], true);
  EXPECT_EQ(json["logs"][2]["classes"]["busted_exchange"], 1);
  EXPECT_EQ(json["logs"][2]["classes"]["out_of_period"], 1);
  const std::string html = HtmlSummary(contest.logs, contest.result, rows);
  EXPECT_NE(html.find("<th>Busted exchange</th><th>Out of period</th></tr>"), std::string::npos);
  EXPECT_NE(html.find("<span>busted exchange: <b>1</b> (14.3%)</span>"), std::string::npos);
  EXPECT_NE(html.find("serials compared; QSOs from 2024-09-07T14:05 UTC;"), std::string::npos);
  const std::string report = LogReportText(contest.logs, contest.result, contest.Log("DL1AAA"), 3);
  EXPECT_NE(report.find("Checked: 0 QSOs, 0 points, 0 fields, penalty 0, score 0\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find(", 0 duplicate, 1 busted exchange, 1 out of period\n"), std::string::npos)
      << report;

  const CheckedContest byDefaults = CheckStations(ThreeStations());
  const std::vector<ResultRow> defaultRows =
      RankResults(byDefaults.logs, byDefaults.result, ReportPaths(byDefaults.logs));
  for (const std::string& output :
       {ResultsText(byDefaults.logs, byDefaults.result, defaultRows),
        ResultsCsv(byDefaults.logs, byDefaults.result, defaultRows),
        ResultsJson(byDefaults.logs, byDefaults.result, defaultRows),
        HtmlSummary(byDefaults.logs, byDefaults.result, defaultRows),
        LogReportText(byDefaults.logs, byDefaults.result, byDefaults.Log("DL1AAA"), 3)}) {
    EXPECT_EQ(output.find("xch"), std::string::npos) << output;
    EXPECT_EQ(output.find("eriod"), std::string::npos) << output;
  }
}

TEST(CheckReports, ALogReportSaysWhyAQsoIsOutOfPeriodOrItsExchangeBusted) {
  const struct {
    const char* rules;
    QsoClass qsoClass;
    const char* why;
  } cases[] = {
      {"check-report = yes", QsoClass::kBustedExchange,
       "busted exchange: the report or serial copied is not what SP1CCC sent:\n"
       "    SP1CCC.log:3: QSO: 7000 CW 2024-09-07 1410 SP1CCC JO73 DL1AAA JO31\n"},
      {"period-start = 2024-09-07T14:15\nperiod-end = 2024-09-08T14:15", QsoClass::kOutOfPeriod,
       "out of period: the contest runs from 2024-09-07T14:15 until 2024-09-08T14:15 UTC\n"},
      {"period-end = 2024-09-07T14:05", QsoClass::kOutOfPeriod,
       "out of period: the contest runs until 2024-09-07T14:05 UTC\n"},
      {"bands = 14 21\nperiod-end = 2024-09-08T14:15", QsoClass::kOutOfPeriod,
       "out of period: band 7 is not one of the contest's\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    const CheckedContest contest =
        WithDl1aaaJudged(ParseRules(c.rules), QsoClass::kBustedCall, c.qsoClass);
    const std::string report =
        LogReportText(contest.logs, contest.result, contest.Log("DL1AAA"), 3);
    EXPECT_NE(report.find("DL1AAA.log:4: QSO: 7000 CW 2024-09-07 1410 DL1AAA JO31 SP1CCC JO73\n  " +
                          std::string(c.why)),
              std::string::npos)
        << report;
  }
}

// A clock offset the rules' limits did not let apply is reported with the limit that refused it.
TEST(CheckReports, ALogReportSaysWhyAClockOffsetWasNotApplied) {
  const struct {
    const char* rules;
    std::int64_t refused;
    const char* clock;
  } cases[] = {
      {"clock-offset-min-qsos = 5", 1800,
       "Clock: right (from 1 QSO with other logs; 30 minutes ahead estimated, not applied: fewer "
       "than 5 QSOs show it)\n"},
      {"clock-offset-max-minutes = 20", -1800,
       "Clock: right (from 1 QSO with other logs; 30 minutes behind estimated, not applied: more "
       "than the 20 minutes the rules allow)\n"},
      {"", 0, "Clock: right (from 1 QSO with other logs)\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    CheckedContest contest = CheckStations(ThreeStations());
    contest.result.rules = ParseRules(c.rules);
    contest.result.logs[contest.Log("DL1AAA")].clock.refused = c.refused;
    const std::string report =
        LogReportText(contest.logs, contest.result, contest.Log("DL1AAA"), 3);
    EXPECT_NE(report.find(c.clock), std::string::npos) << report;
  }
}

// A busted locator names what was compared: the squares, or six characters where the rules compare
// six and both sides give them.
TEST(CheckReports, ALogReportNamesTheLocatorsABustedLocatorCompared) {
  const struct {
    const char* rules;
    const char* copied;
    const char* why;
  } cases[] = {
      {"", "59 011 KN18KT", "busted locator: copied KN18, YO5BBB sent KN17:\n"},
      {"locator-length = 6", "59 011 KN17KS",
       "busted locator: copied KN17KS, YO5BBB sent KN17KT:\n"},
      {"locator-length = 6", "59 011 KN18", "busted locator: copied KN18, YO5BBB sent KN17:\n"},
      {"locator-length = 6", "59 011 N16TS",
       "busted locator: copied N16TS (no locator), YO5BBB sent KN17KT:\n"},
      {"", "59 011 N16TS", "busted locator: copied N16TS (no locator), YO5BBB sent KN17:\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    const CheckedContest contest = CheckBandLogs(
        {{"YO5AAA", "KN16SS", "144", {{"2016-05-07 1400", "YO5BBB", "59 001", c.copied}}},
         {"YO5BBB", "KN17KT", "144", {{"2016-05-07 1400", "YO5AAA", "59 011", "59 001 KN16SS"}}}},
        ParseRules(c.rules));
    const std::string report = LogReportText(contest.logs, contest.result, 0, 2);
    EXPECT_NE(report.find(c.why), std::string::npos) << report;
  }
}

namespace {
// YO5AAA, YO5BBB and the check log of YO5CCC on 144 MHz, YO5AAA and YO5DDD on 432 MHz, all working
// each other; YO5AAA's 144 MHz log scores the most of its band.
std::vector<BandLog> TwoBandsAndACheckLog() {
  const auto qso = [](const char* when, const char* call, const char* locator) {
    return BandQso{when, call, "59 001", std::string("59 001 ") + locator};
  };
  BandLog check = {
      "YO5CCC",
      "KN27FH",
      "144",
      {qso("2016-05-07 1420", "YO5AAA", "KN16SS"), qso("2016-05-07 1430", "YO5BBB", "KN17KT")},
      " check "};
  return {
      {"YO5BBB",
       "KN17KT",
       "144",
       {qso("2016-05-07 1400", "YO5AAA", "KN16SS"), qso("2016-05-07 1430", "YO5CCC", "KN27FH")}},
      check,
      {"YO5DDD", "KN36OO", "432", {qso("2016-05-07 1500", "YO5AAA", "KN16SS")}},
      {"YO5AAA",
       "KN16SS",
       "144",
       {qso("2016-05-07 1400", "YO5BBB", "KN17KT"), qso("2016-05-07 1420", "YO5CCC", "KN27FH"),
        qso("2016-05-07 1410", "YO5EEE", "KN05RK")}},
      {"YO5AAA", "KN16SS", "432", {qso("2016-05-07 1500", "YO5DDD", "KN36OO")}}};
}

// Each row of the results as "band call place".
std::vector<std::string> BandCallAndPlace(const CheckedContest& contest,
                                          const std::vector<ResultRow>& rows) {
  std::vector<std::string> ranked;
  for (const ResultRow& row : rows) {
    const CheckLog& log = contest.logs.logs[row.log];
    ranked.push_back(log.band + " " + log.stationCall + " " + std::to_string(row.place));
  }
  return ranked;
}
}  // namespace

// With a log for each band the logs are ranked band by band, in the order of the bands, each with
// its band; a check log is matched but never ranked: it follows the ranked logs, "check" in place
// of a place.
TEST(CheckReports, LogsAreRankedBandByBandAndCheckLogsNot) {
  const CheckedContest contest =
      CheckBandLogs(TwoBandsAndACheckLog(), ParseRules("log-per-band = yes"));
  EXPECT_EQ(contest.result.outcomes[contest.QsoOfFile("YO5BBB-144.edi", 2)].qsoClass,
            QsoClass::kConfirmed);  // by the check log
  const std::vector<ResultRow> rows =
      RankResults(contest.logs, contest.result, ReportPaths(contest.logs));
  EXPECT_EQ(BandCallAndPlace(contest, rows),
            (std::vector<std::string>{"144 YO5AAA 1", "144 YO5BBB 2", "432 YO5AAA 1",
                                      "432 YO5DDD 1", "144 YO5CCC 0"}));
  const std::string text = ResultsText(contest.logs, contest.result, rows);
  EXPECT_NE(text.find("Place  Call        Loc      Band    QSOs"), std::string::npos) << text;
  EXPECT_NE(text.find("\n    2  YO5BBB      KN17KT    144       2"), std::string::npos) << text;
  EXPECT_NE(text.find("\ncheck  YO5CCC      KN27FH    144       2"), std::string::npos) << text;
  const std::string csv = ResultsCsv(contest.logs, contest.result, rows);
  EXPECT_NE(csv.find("place,call,locator,band,file,"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\ncheck,YO5CCC,KN27FH,144,YO5CCC-144.edi,"), std::string::npos) << csv;
  const nlohmann::json json =
      nlohmann::json::parse(ResultsJson(contest.logs, contest.result, rows));
  EXPECT_EQ(json["logs"][2]["band"], "432");
  EXPECT_EQ(json["logs"][2]["place"], 1);
  EXPECT_EQ(json["logs"][4]["place"], "check");
  const std::string html = HtmlSummary(contest.logs, contest.result, rows);
  EXPECT_NE(html.find("<tr><td>check</td><td class=\"call\">"), std::string::npos) << html;
  const std::string checkReport =
      LogReportText(contest.logs, contest.result, contest.Log("YO5CCC"), 0);
  EXPECT_NE(checkReport.find("Check log: matched against the others, not ranked\n"),
            std::string::npos)
      << checkReport;
  const std::string bandReport = LogReportText(contest.logs, contest.result, rows[3].log, 1);
  EXPECT_NE(bandReport.find("Place 1 of 2 on 432\n"), std::string::npos) << bandReport;
}

// Without a log for each band, no band is shown and a check log is still not ranked.
TEST(CheckReports, ACheckLogIsNotRankedWithTheDefaultRules) {
  std::vector<BandLog> logs = TwoBandsAndACheckLog();
  logs.resize(3);
  const CheckedContest contest = CheckBandLogs(logs, CheckRules());
  const std::vector<ResultRow> rows =
      RankResults(contest.logs, contest.result, ReportPaths(contest.logs));
  EXPECT_EQ(contest.logs.logs[rows[2].log].stationCall, "YO5CCC");
  EXPECT_EQ(rows[2].place, 0u);
  const std::string text = ResultsText(contest.logs, contest.result, rows);
  EXPECT_EQ(text.find("Band"), std::string::npos) << text;
  EXPECT_NE(text.find("\ncheck  YO5CCC"), std::string::npos) << text;
}

// A log of a band the rules do not count is matched with the others but not ranked: it follows
// the ranked logs without a place, and its report says why.
TEST(CheckReports, ALogOfABandThatDoesNotCountIsNotRanked) {
  const CheckedContest contest =
      CheckBandLogs(TwoBandsAndACheckLog(),
                    ParseRules("log-per-band = yes\nbands = 144\ncheck-log-sections = none"));
  const std::vector<ResultRow> rows =
      RankResults(contest.logs, contest.result, ReportPaths(contest.logs));
  EXPECT_EQ(BandCallAndPlace(contest, rows),
            (std::vector<std::string>{"144 YO5AAA 1", "144 YO5BBB 2", "144 YO5CCC 2",
                                      "432 YO5AAA 0", "432 YO5DDD 0"}));
  const std::string report = LogReportText(contest.logs, contest.result, rows[4].log, 0);
  EXPECT_NE(report.find("Band 432 is not one of the contest's: matched against the others, not "
                        "ranked\n"),
            std::string::npos)
      << report;
}

// The multiplier columns and a report's tallies name what the rules count: fields, squares, or
// nothing where there are no multipliers.
TEST(CheckReports, TheMultipliersAreNamedAsTheRulesCountThem) {
  const struct {
    const char* rules;
    const char* heading;  // the text table's, before the claimed score
    const char* csv;      // the claimed columns of results.csv
    const char* claimed;  // the report's line
  } cases[] = {
      {"", "Points  Fields     Score", "claimed_qsos,claimed_points,claimed_fields,claimed_score",
       "Claimed: 2 QSOs, 62 points, 2 fields, score 262\n"},
      {"multipliers = squares", "Points  Squares     Score",
       "claimed_qsos,claimed_points,claimed_squares,claimed_score",
       "Claimed: 2 QSOs, 62 points, 2 squares, score 262\n"},
      {"multipliers = none", "QSOs    Points     Score",
       "claimed_qsos,claimed_points,claimed_score", "Claimed: 2 QSOs, 62 points, score 62\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    const CheckedContest contest = CheckStations(ThreeStations(), ParseRules(c.rules));
    const std::vector<ResultRow> rows =
        RankResults(contest.logs, contest.result, ReportPaths(contest.logs));
    const std::string text = ResultsText(contest.logs, contest.result, rows);
    EXPECT_NE(text.find(c.heading), std::string::npos) << text;
    const std::string csv = ResultsCsv(contest.logs, contest.result, rows);
    EXPECT_NE(csv.find(c.csv), std::string::npos) << csv;
    const std::string report =
        LogReportText(contest.logs, contest.result, contest.Log("DL1AAA"), 3);
    EXPECT_NE(report.find(c.claimed), std::string::npos) << report;
  }
}

TEST(CheckReports, HtmlPageStandsAloneAndEscapesLogTexts) {
  // A call is the one log text the readers keep whatever its characters.
  const std::string html = HtmlWithAFourthStation("K1<B>");
  EXPECT_NE(html.find("<a href=\"reports/DL1AAA.txt\">DL1AAA</a>"), std::string::npos);
  EXPECT_NE(html.find("K1&lt;B&gt;"), std::string::npos);
  EXPECT_EQ(html.find("K1<"), std::string::npos);
  EXPECT_EQ(html.find("http"), std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
}

TEST(CheckReports, AReportShowsTheControlCharactersOfALogVisibly) {
  const std::string call =
      "K1\x9b"
      "2J";  // a terminal's escape sequence introducer
  std::vector<StationLog> stations = ThreeStations();
  stations.push_back({call, "FN42", {{"14000 CW 2024-09-07 1600", "DL1AAA JO31"}}});
  const CheckedContest contest = CheckStations(stations);
  const std::string report = LogReportText(contest.logs, contest.result, contest.Log(call), 4);
  EXPECT_EQ(report.find('\x9b'), std::string::npos);
  EXPECT_NE(report.find("K1\\x9b2J"), std::string::npos) << report;
}

TEST(CheckReports, ReportPathsAreSafeAndDistinct) {
  ContestLogs logs(3);
  CheckLog first;
  first.stationCall = "DL1AAA/P";
  CheckLog second = first;
  CheckLog nameless;
  nameless.file = "/logs/unnamed.adi";
  logs.Add(0, first, {}, {});
  logs.Add(1, second, {}, {});
  logs.Add(2, nameless, {}, {});
  EXPECT_EQ(ReportPaths(logs),
            (std::vector<std::string>{"reports/DL1AAA-P.txt", "reports/DL1AAA-P-2.txt",
                                      "reports/unnamed-adi.txt"}));
}

// A UBN report's name is the report's, with the band where each log has one.
TEST(CheckReports, UbnPathsNameTheBandOfALogForEachBand) {
  ContestLogs logs(4);
  CheckLog first;
  first.stationCall = "DL1AAA/P";
  first.band = "144";
  CheckLog second = first;
  second.band = "1.2G";
  CheckLog nameless;
  nameless.file = "/logs/unnamed.edi";
  nameless.band = "144";
  logs.Add(0, first, {}, {});
  logs.Add(1, second, {}, {});
  logs.Add(2, first, {}, {});
  logs.Add(3, nameless, {}, {});
  EXPECT_EQ(UbnPaths(logs, ParseRules("log-per-band = yes")),
            (std::vector<std::string>{"ubn/DL1AAA-P-144.txt", "ubn/DL1AAA-P-1-2G.txt",
                                      "ubn/DL1AAA-P-144-2.txt", "ubn/unnamed-edi-144.txt"}));
  EXPECT_EQ(UbnPaths(logs, CheckRules()),
            (std::vector<std::string>{"ubn/DL1AAA-P.txt", "ubn/DL1AAA-P-2.txt",
                                      "ubn/DL1AAA-P-3.txt", "ubn/unnamed-edi.txt"}));
}

TEST(HtmlText, EntitiesControlsAndLegacyBytes) {
  const struct {
    const char* text;
    const char* html;
  } cases[] = {
      {"K1<B> & \"Q\"", "K1&lt;B&gt; &amp; &quot;Q&quot;"},
      {"Grüße €", "Grüße €"},   // UTF-8 as it is
      {"M\xFCller", "Müller"},  // a byte of a single-byte code page, read as Latin-1
      {"\xE2\x82", "â\\x82"},   // a cut sequence: its lead as Latin-1, a C1 control shown
      {"\x1b[2J", "\\x1b[2J"},  // an escape sequence, shown as on a terminal
      {"K1\x9b"
       "2J",
       "K1\\x9b2J"},  // a C1 control as a single byte
      {"K1\xC2\x9b"
       "2J",
       "K1\\xc2\\x9b2J"},  // and in UTF-8
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(HtmlText(c.text), c.html);
  }
}

// Every byte, alone and before every other, gives valid UTF-8 without a control character: the
// text Utf8Text leaves as it is.
TEST(HtmlText, ValidUtf8WhateverTheBytes) {
  for (unsigned first = 0; first < 256; ++first) {
    for (unsigned second = 0; second < 256; ++second) {
      const std::string text = {static_cast<char>(first), static_cast<char>(second)};
      const std::string html = HtmlText(text);
      ASSERT_EQ(Utf8Text(html), html) << first << " " << second;
      for (unsigned char c : html) {
        ASSERT_TRUE(c >= 0x20 && c != 0x7F) << first << " " << second;
      }
      ASSERT_EQ(html.find("\xC2\x80"), std::string::npos);  // nor U+0080..U+009F
    }
  }
}

TEST(CheckReports, HtmlPageIsUtf8WhenACallIsNot) {
  const std::string html = HtmlWithAFourthStation("\xC4K1AA");
  EXPECT_EQ(Utf8Text(html), html);
  EXPECT_NE(html.find(">ÄK1AA</a>"), std::string::npos);
}
