#include "cli/score_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/test_support.h"

namespace {
const std::string kTestData = MAROVINTA_CLI_TESTDATA;

struct Outcome {
  int status;
  std::string out, err;
};

Outcome Score(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunScorer(ParseOptions(arguments), out, err);
  return {status, out.str(), err.str()};
}

// Distances from JO31 (51.5 N, 7 E), square centre to square centre on a sphere of 111.2 km per
// degree: JO62 425 km (31 points), IO91 554 km (31), FN42 5714 km (52), KP20 1493 km (35),
// JN18 439 km (31), QF56 16504 km (62).
}  // namespace

// small.log: 9 readable QSO lines. 14: DL1AAA JO62, G4BBB IO91, W1CCC FN42, OH2DDD KP20lf (six
// characters), and DL1AAA again (a duplicate); 7: DL1AAA jo62 (lower case); 21: K2EEE ZZ00 (a
// placeholder); 50: F5FFF JN18; 28: VK2HHH QF56. PA3GGG's line lacks its grid, one line is too
// short, one is on 15000 kHz; an X-QSO line and the lines after END-OF-LOG do not count.
TEST(ScoreCommand, CabrilloLogGivesThePluginsReport) {
  const Outcome run = Score({kTestData + "/small.log"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "Band\t  QSOs\tPoints\tNewLoc\t\n"
            "   14\t    4\t  149\t    4\n"
            "    7\t    1\t   31\t    1\n"
            "   21\t    1\t    0\t    0\n"
            "   50\t    1\t   31\t    1\n"
            "   28\t    1\t   62\t    1\n"
            "Total\t    8\t  273\t    7\n"
            " Score: 273 + (7 * 100) =973\n");
  const std::string expected =
      "two exchanges of 2 fields each (call first) and an optional "
      "transmitter id; skipped\n";
  EXPECT_EQ(run.err, kTestData +
                         "/small.log:14: warning: QSO line with 3 fields after the time, where the "
                         "log's other QSO lines have " +
                         expected + kTestData +
                         "/small.log:15: warning: QSO line with 3 fields, expected frequency, "
                         "mode, date, time and " +
                         expected + kTestData +
                         "/small.log:16: warning: frequency '15000' is on no amateur band; "
                         "skipped\n");
}

// small.adi: the same stations. 14: DL1AAA JO62, G4BBB IO91 (FREQ only), W1CCC FN42 in FT4
// (MFSK + SUBMODE) and again in JS8 (another submode of MFSK: no duplicate), DL1AAA again (a
// duplicate), OH2DDD KP20lf; 7: dl1aaa jo62 in lower case; 21: K2EEE ZZ00; 50: F5FFF (6m);
// 3.5: PA3GGG with an empty grid; 28: VK2HHH QF56od12 (eight characters). A record without CALL
// and one on "11m" are skipped.
TEST(ScoreCommand, AdifLogGivesThePluginsReport) {
  const Outcome run = Score({kTestData + "/small.adi"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "Band\t  QSOs\tPoints\tNewLoc\t\n"
            "   14\t    5\t  201\t    4\n"
            "    7\t    1\t   31\t    1\n"
            "   21\t    1\t    0\t    0\n"
            "   50\t    1\t   31\t    1\n"
            "  3.5\t    1\t    0\t    0\n"
            "   28\t    1\t   62\t    1\n"
            "Total\t   10\t  325\t    7\n"
            " Score: 325 + (7 * 100) =1025\n");
  EXPECT_EQ(run.err, kTestData + "/small.adi:14: warning: record without CALL; skipped\n" +
                         kTestData +
                         "/small.adi:15: warning: band '11m' is no amateur band; "
                         "skipped\n");
}

// Rows in row-id order: ZZ1ZZ 14 JO62 (31, new), AA1AA 7 KP20 (35, new), MM0MMM 14 without a
// report (0), ZZ1ZZ 14 again (a duplicate), BB1BB on "14 " with a trailing blank, a band of its
// own (FN42: 52, new). In callsign order the band lines would come 7, "14 ", 14.
TEST(ScoreCommand, SqliteLogIsScoredInRowIdOrder) {
  const TempDir dir;
  const std::string db =
      MakeDatabase(dir.Path("host.db"),
                   {CreateLogTable("Log"),
                    "INSERT INTO Log VALUES ('599 JO62', 'DL', 'DL', 'ZZ1ZZ', '14', 'FT8', 'eu'),"
                    " ('-10 KP20', 'OH', 'OH', 'AA1AA', '7', 'FT8', 'eu'),"
                    " (NULL, 'GM', 'G', 'MM0MMM', '14', 'CW', 'eu'),"
                    " ('jo62', 'DL', 'DL', 'ZZ1ZZ', '14', 'FT8', 'eu'),"
                    " ('FN42', 'K', 'K', 'BB1BB', '14 ', 'FT8', 'na')"});
  const Outcome run = Score({"--own", "JO31", db});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "Band\t  QSOs\tPoints\tNewLoc\t\n"
            "   14\t    2\t   31\t    1\n"
            "    7\t    1\t   35\t    1\n"
            "  14 \t    1\t   52\t    1\n"
            "Total\t    4\t  118\t    3\n"
            " Score: 118 + (3 * 100) =418\n");
  EXPECT_EQ(run.err, "");

  const Outcome noOwn = Score({db});
  EXPECT_EQ(noOwn.status, 1);
  EXPECT_EQ(noOwn.out, "");
  EXPECT_EQ(noOwn.err, db + ": error: the log names no own locator; give it with --own LOCATOR\n");
}

TEST(ScoreCommand, VerboseAndFields) {
  const Outcome run = Score({"--verbose", "--fields", kTestData + "/small.log"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1),
            kTestData + "/small.log: Cabrillo log of DL1ABC from JO31, 9 QSOs\n");
  EXPECT_NE(run.out.find("\nQSOs scoring 0: duplicate 1, not a valid locator 1\nBand\t"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find(" Score: 273 + (7 * 100) =973\n\n"
                         "Fields on 14 (4): FN IO JO KP\n"
                         "Fields on 7 (1): JO\n"
                         "Fields on 21 (0):\n"
                         "Fields on 50 (1): JN\n"
                         "Fields on 28 (1): QF\n"),
            std::string::npos)
      << run.out;
}

TEST(ScoreCommand, OwnLocatorGivenWinsOverTheLogs) {
  // From FN42: JO62 6043 km (57), IO91 5194 km (52), FN42 0 km (31), KP20 6297 km (57),
  // JN18 5578 km (52), QF56 16244 km (62).
  const Outcome run = Score({"--own", "fn42", kTestData + "/small.log"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("   14\t    4\t  197\t    4\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(" Score: 368 + (7 * 100) =1068\n"), std::string::npos) << run.out;

  const Outcome bad = Score({"--own", "XX99", kTestData + "/small.log"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("own locator 'XX99' is no Maidenhead locator"), std::string::npos);
}

TEST(ScoreCommand, ManyLogsGiveOneSummaryLineEachInTheOrderGiven) {
  const TempDir dir;
  const std::string notALog = dir.Write("notes.txt", "Dear contest manager,\nhere is my log.\n");
  const std::string empty = dir.Write("empty.adi", "");
  const Outcome run = Score({"--jobs", "3", kTestData + "/small.log", notALog,
                             kTestData + "/small.adi", empty, kTestData + "/small.log"});
  EXPECT_EQ(run.status, 1);
  const std::string notALogError =
      "not a log: no Cabrillo START-OF-LOG:, no EDI [REG1TEST;1], no ADIF tags, no ADX document "
      "and no SQLite database";
  // A log that could not be scored keeps its line, with its error.
  EXPECT_EQ(run.out, "file\tcall\tgrid\tqsos\tdupes\tpoints\tfields\tscore\terror\n" + kTestData +
                         "/small.log\tDL1ABC\tJO31\t9\t1\t273\t7\t973\t-\n" + notALog +
                         "\t-\t-\t-\t-\t-\t-\t-\t" + notALogError + "\n" + kTestData +
                         "/small.adi\tDL1ABC\tJO31LK\t11\t1\t325\t7\t1025\t-\n" + empty +
                         "\t-\t-\t-\t-\t-\t-\t-\t" + notALogError + "\n" + kTestData +
                         "/small.log\tDL1ABC\tJO31\t9\t1\t273\t7\t973\t-\n");
  EXPECT_NE(run.err.find(notALog + ": error: " + notALogError + "\n"), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find(empty + ": error: " + notALogError + "\n"), std::string::npos) << run.err;
}

TEST(ScoreCommand, MissingFileIsAnError) {
  const Outcome run = Score({"/nonexistent/log.adi"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "/nonexistent/log.adi: error: cannot open: No such file or directory\n");
}

TEST(ScoreCommand, JsonForOneLogAndForMany) {
  const Outcome one = Score({"--json", kTestData + "/small.log"});
  EXPECT_EQ(one.status, 0);
  for (const char* part : {
           "{\n  \"version\":1,",
           "\"format\":\"Cabrillo\"",
           "\"station\":\"DL1ABC\"",
           "\"contest\":\"WW-DIGI\"",
           "\"own_locators\":[\"JO31\"]",
           "{\"band\":\"14\",\"qsos\":4,\"points\":149,\"new_fields\":4,"
           "\"fields\":[\"FN\",\"IO\",\"JO\",\"KP\"]}",
           // QSOs counted as the summary line counts them: duplicates included.
           "\"totals\":{\"qsos\":9,\"duplicates\":1,\"scored_qsos\":8,\"points\":273,"
           "\"new_fields\":7,\"left_out\":0}",
           "\"zero_points\":{\"duplicate\":1,\"no_locator\":0,\"invalid_locator\":1,"
           "\"distance_outside_table\":0}",
           "\"score\":973",
           "{\"line\":6,\"time\":\"2025-08-30T12:00:00Z\",\"frequency_khz\":14074,"
           "\"callsign\":\"DL1AAA\",\"band\":\"14\",\"adif_band\":\"20m\",\"mode\":\"DG\","
           "\"grid\":\"JO62\",\"own_square\":\"JO31\",\"square\":\"JO62\","
           "\"distance_km\":425.4,\"points\":31,\"new_field\":true,\"duplicate\":false,"
           "\"reason\":null}",
           "{\"line\":10,\"time\":\"2025-08-30T12:04:00Z\",\"frequency_khz\":14074,"
           "\"callsign\":\"DL1AAA\",\"band\":\"14\",\"adif_band\":\"20m\",\"mode\":\"DG\","
           "\"grid\":\"JO62\",\"own_square\":\"JO31\",\"square\":\"JO62\","
           "\"distance_km\":null,\"points\":0,\"new_field\":false,\"duplicate\":true,"
           "\"reason\":\"duplicate\"}",
           "\"callsign\":\"K2EEE\",\"band\":\"21\",\"adif_band\":\"15m\",\"mode\":\"DG\","
           "\"grid\":\"ZZ00\",\"own_square\":\"JO31\",\"square\":null,\"distance_km\":null,"
           "\"points\":0,\"new_field\":false,\"duplicate\":false,\"reason\":"
           "\"invalid_locator\"}",
           "{\"line\":16,\"message\":\"frequency '15000' is on no amateur band; skipped\"}",
       }) {
    EXPECT_NE(one.out.find(part), std::string::npos) << part << "\n" << one.out;
  }

  const Outcome many = Score({"--json", kTestData + "/small.log", "/nonexistent.log"});
  EXPECT_EQ(many.status, 1);
  EXPECT_EQ(many.out.substr(0, 3), "[\n{");
  EXPECT_NE(many.out.find("\"score\":973"), std::string::npos);
  EXPECT_NE(many.out.find(",\n{\n  \"version\":1,\n  \"file\":\"/nonexistent.log\",\n  "
                          "\"format\":null,\n  \"error\":\"cannot open: No such file or "
                          "directory\",\n  \"error_line\":null,\n  \"warnings\":[]\n}\n]\n"),
            std::string::npos)
      << many.out;
}

TEST(ScoreCommand, MapIsWrittenToTheFileGiven) {
  const TempDir dir;
  const Outcome run = Score({"--map", dir.Path("map.svg"), kTestData + "/small.adi"});
  EXPECT_EQ(run.status, 0);
  std::ifstream file(dir.Path("map.svg"));
  const std::string svg((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("Band 14: 4 fields, 5 QSOs"), std::string::npos);

  const Outcome unwritable = Score({"--map", "/nonexistent/map.svg", kTestData + "/small.adi"});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("cannot write the map to /nonexistent/map.svg"), std::string::npos);
}
