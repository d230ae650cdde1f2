// What the organiser reads: the results table's order, a log's report, the HTML page.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "check/check_test_support.h"
#include "check/html_summary.h"
#include "check/log_report.h"
#include "check/report_files.h"
#include "check/results_table.h"

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
      nlohmann::json::parse(ResultsJson(contest.logs, contest.result, rows, CheckRules()));
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

TEST(CheckReports, HtmlPageStandsAloneAndEscapesLogTexts) {
  // A call is the one log text the readers keep whatever its characters.
  std::vector<StationLog> stations = ThreeStations();
  stations.push_back({"K1<B>", "FN42", {{"14000 CW 2024-09-07 1600", "DL1AAA JO31"}}});
  const CheckedContest contest = CheckStations(stations);
  const std::vector<ResultRow> rows =
      RankResults(contest.logs, contest.result, ReportPaths(contest.logs));
  const std::string html = HtmlSummary(contest.logs, contest.result, rows, CheckRules());
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
