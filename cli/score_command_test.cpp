#include "cli/score_command.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "logfiles/test_support.h"

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

// A Cyrillic call of a log in cp1251: as Latin-1 in the JSON, as always; in its own letters with
// its code page named.
TEST(ScoreCommand, ALogInACodePageIsShownInItsLettersWithItsEncodingNamed) {
  const TempDir dir;
  const std::string log = dir.Write(
      "cp1251.edi",
      "[REG1TEST;1]\r\nPCall=UA3ABC\r\nRName=\xC8\xE2\xE0\xED\r\nPWWLo=KO85TS\r\nPBand=144 "
      "MHz\r\n[QSORecords;1]\r\n240907;1405;\xD0\xC0\x33\xC4\xC5\xD4;1;59;001;59;002;;KO85UT;1;;;;"
      "\r\n");
  const Outcome plain = Score({"--json", log});
  EXPECT_EQ(plain.status, 0);
  EXPECT_NE(plain.out.find("\"callsign\":\"ÐÀ3ÄÅÔ\""), std::string::npos) << plain.out;
  const Outcome named = Score({"--json", "--encoding", "cp1251", log});
  EXPECT_EQ(named.status, 0);
  EXPECT_NE(named.out.find("\"callsign\":\"РА3ДЕФ\""), std::string::npos) << named.out;
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
  const std::string svg = FileText(dir.Path("map.svg"));
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("Band 14: 4 fields, 5 QSOs"), std::string::npos);

  const Outcome unwritable = Score({"--map", "/nonexistent/map.svg", kTestData + "/small.adi"});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("cannot write the map to /nonexistent/map.svg"), std::string::npos);
}

// Our own small logs in the layouts contesters send: each scored right.
TEST(ScoreCommand, LogsOfEveryLayoutAndEncoding) {
  struct Case {
    const char* file;
    const char* summary;  // after the file's name
  } cases[] = {
      {"vhf.log", "OE5XYZ\tJN78DH\t7\t1\t155\t3\t455\t-"},  // serial numbers and grids
      {"hf.log", "DL1ABC\t-\t4\t1\t0\t0\t0\t-"},            // RST and zone: no grids
      {"rover.log", "K1ABC/R\tFN42,FN43,FN32\t6\t3\t93\t1\t193\t-"},
      {"small.edi", "OE1ABC\tJN88EF\t5\t1\t93\t2\t293\t-"},
      {"small.adx", "DL1ABC\tJO31LK\t5\t1\t176\t4\t576\t-"},
      {"utf16.log", "DL1ABC\tJO31\t9\t1\t273\t7\t973\t-"},  // small.log in UTF-16
      {"cr-only.log", "DL1ABC\tJO31\t9\t1\t273\t7\t973\t-"},
  };
  std::vector<std::string> arguments;
  std::string expected = "file\tcall\tgrid\tqsos\tdupes\tpoints\tfields\tscore\terror\n";
  for (const Case& c : cases) {
    arguments.push_back(kTestData + "/" + c.file);
    expected += arguments.back() + "\t" + c.summary + "\n";
  }
  const Outcome run = Score(arguments);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, expected);
  EXPECT_NE(run.err.find("hf.log: warning: no QSO has a locator in its exchange, so none scores "
                         "points (a contest without grids?)\n"),
            std::string::npos)
      << run.err;
}

// Rovers: each distance from the own square of its QSO, the squares named in the summary.
TEST(ScoreCommand, ARoverScoresFromEachOwnSquare) {
  const Outcome run = Score({"--verbose", kTestData + "/rover.log"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find("Band")),
            kTestData +
                "/rover.log: Cabrillo log of K1ABC/R from FN42, FN43, FN32, 6 QSOs\n"
                "QSOs scoring 0: duplicate 3\n");
}

TEST(ScoreCommand, AFailedLogShowsTheWarningsThatExplainIt) {
  const TempDir dir;
  const std::string cut = dir.Write("cut.adi", "<eoh>\n<call:5>EA8AA <band:3>20m");
  const Outcome run = Score({cut});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, cut + ":2: warning: the last record has no <EOR>; skipped\n" + cut +
                         ": error: no QSO could be read from the log\n");

  const Outcome json = Score({"--json", cut});
  EXPECT_EQ(json.status, 1);
  EXPECT_EQ(json.out, "{\n  \"version\":1,\n  \"file\":\"" + cut +
                          "\",\n  \"format\":\"ADIF\",\n  \"error\":\"no QSO could be read from "
                          "the log\",\n  \"error_line\":null,\n  \"warnings\":[\n    "
                          "{\"line\":2,\"message\":\"the last record has no <EOR>; skipped\"}\n  "
                          "]\n}\n");
}

TEST(ScoreCommand, ControlCharactersFromALogNeverReachTheOutputRaw) {
  const TempDir dir;
  const std::string log = dir.Write(
      "tab\there.log",
      "START-OF-LOG: 3.0\nCALLSIGN: DL1\x1b[2JABC\n"
      "QSO: 14074 DG 2025-08-30 1200 DL1ABC JO31 OK1XYZ JN79\n"
      "QSO: 14\x07\x30\x37\x34 DG 2025-08-30 1200 DL1ABC JO31 OK1XYZ JN79\nEND-OF-LOG:\n");
  const std::string db = MakeDatabase(
      dir.Path("host.db"), {CreateLogTable("Log"),
                            "INSERT INTO Log VALUES ('JO62', '', '', 'A1A', '14' || char(27) "
                            "|| '[31m', 'CW', '')"});
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{log}, {log, log}, {"--own", "JO31", db}, {"--verbose", log}}) {
    const Outcome run = Score(arguments);
    for (const std::string& text : {run.out, run.err}) {
      for (char c : text) {
        EXPECT_TRUE(c == '\t' || c == '\n' || static_cast<unsigned char>(c) >= 0x20)
            << static_cast<int>(c) << " in " << text;
      }
    }
    if (arguments.size() == 2 && arguments[0] == log) {
      EXPECT_NE(run.out.find(dir.Path("tab\\x09here.log") + "\tDL1\\x1b[2JABC\tJO31\t1\t"),
                std::string::npos)
          << run.out;
    }
  }
}

namespace {
// A stream buffer that fails every write, as standard output on a full disk does.
class FullDisk : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};
}  // namespace

TEST(ScoreCommand, OutputThatCannotBeWrittenFailsTheRun) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{kTestData + "/small.log"},
        {kTestData + "/small.log", kTestData + "/small.adi"}}) {
    FullDisk full;
    std::ostream out(&full);
    std::ostringstream err;
    EXPECT_EQ(RunScorer(ParseOptions(arguments), out, err), 1);
    EXPECT_NE(err.str().find("marovinta-score: error: cannot write the results to standard "
                             "output\n"),
              std::string::npos);
  }
}

namespace {
// Scores `file` with room for what the test program holds now and far less than the log needs,
// then ends the process with the scorer's exit status.
[[noreturn]] void ScoreWithLittleMemory(const std::string& file) {
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  statm >> pages;
  const rlim_t limit = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (40 << 20);
  const rlimit memory{limit, limit};
  setrlimit(RLIMIT_AS, &memory);
  std::ostringstream out;
  std::exit(RunScorer(ParseOptions({file}), out, std::cerr));
}
}  // namespace

TEST(ScoreCommand, OutOfMemoryIsSaidWithTheFilesName) {
  const TempDir dir;
  // A million QSOs: the scorer holds one in about 64 bytes.
  std::string records;
  for (int i = 0; i < 1000000; ++i) {
    records += "<call:5>EA8AA<band:3>20m<eor>\n";
  }
  const std::string big = dir.Write("big.adi", records);
  EXPECT_EXIT(ScoreWithLittleMemory(big), ::testing::ExitedWithCode(1),
              big + ": error: out of memory");
}

TEST(ScoreCommand, AProgressLineOnlyWhereStandardErrorIsATerminal) {
  for (bool terminal : {false, true}) {
    SCOPED_TRACE(terminal);
    Options options = ParseOptions({kTestData + "/small.log", kTestData + "/small.adi"});
    options.progress = terminal;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunScorer(options, out, err), 0);
    const bool shown =
        err.str().find("\r\x1b[Kmarovinta-score: 1 of 2 logs, ") != std::string::npos;
    EXPECT_EQ(shown, terminal) << err.str();
    EXPECT_EQ(err.str().find("\x1b[K") != std::string::npos, terminal);
    EXPECT_EQ(out.str().find('\x1b'), std::string::npos);
  }
}

TEST(ScoreCommand, FiltersPickTheContestPeriod) {
  const Outcome run = Score({"--verbose", "--from", "2025-08-30T12:02", "--to", "2025-08-30T12:07",
                             "--contest-id", "ww-digi", kTestData + "/small.log"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1),
            kTestData +
                "/small.log: Cabrillo log of DL1ABC from JO31, 5 QSOs (4 more left out by "
                "--from, --to and --contest-id)\n");
  const Outcome other = Score({"--contest-id", "CQ-WW-CW", kTestData + "/small.log"});
  EXPECT_EQ(other.status, 1);
  EXPECT_EQ(other.err.substr(other.err.rfind(": error: ")),
            ": error: no QSO is left after --from, --to and --contest-id\n");
}

TEST(ScoreCommand, CabrilloOutputIsWrittenToTheFileGiven) {
  const TempDir dir;
  const Outcome run = Score({"--cabrillo", dir.Path("out.log"), kTestData + "/small.adx"});
  EXPECT_EQ(run.status, 0);
  const std::string text = FileText(dir.Path("out.log"));
  EXPECT_NE(text.find("CLAIMED-SCORE: 576\n"), std::string::npos);

  const Outcome refused = Score({"--cabrillo", dir.Path("edi.log"), kTestData + "/small.edi"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.out.find(" Score: 93 + (2 * 100) =293\n"), std::string::npos);
  EXPECT_NE(refused.err.find("small.edi:16: error: the QSO has no received locator, which a "
                             "Cabrillo line needs\n"),
            std::string::npos)
      << refused.err;
}

// A log cut short is scored as far as it reads, with a warning saying where, and fails the run,
// alone or among others, while the same log whole passes: an ADX document broken off, an ADIF
// file whose last record has no <EOR>, a Cabrillo log without END-OF-LOG:.
TEST(ScoreCommand, ALogCutShortIsScoredAsFarAsItReadsAndFailsTheRun) {
  const std::string adxRecord =
      "<RECORD><CALL>DL1AAA</CALL><BAND>20m</BAND><GRIDSQUARE>JO62</GRIDSQUARE>"
      "<MY_GRIDSQUARE>JO31</MY_GRIDSQUARE></RECORD>\n";
  const std::string adifRecord =
      "<call:6>DL1AAA <band:3>20m <gridsquare:4>JO62 <my_gridsquare:4>JO31 <eor>\n";
  const std::string cabrilloLine = "QSO: 14074 DG 2025-08-30 1200 DL1ABC JO31 DL1AAA JO62\n";
  const struct {
    const char* kind;
    std::string whole;
    std::string cut;
    std::string warning;
  } cases[] = {
      {"ADX",
       "<?xml version=\"1.0\"?>\n<ADX><RECORDS>\n" + adxRecord + adxRecord + "</RECORDS></ADX>\n",
       "<?xml version=\"1.0\"?>\n<ADX><RECORDS>\n" + adxRecord + adxRecord.substr(0, 30),
       ":4: warning: the XML cannot be read on from here (unclosed token); the records after it "
       "are lost\n"},
      {"ADIF", adifRecord + adifRecord, adifRecord + adifRecord.substr(0, 40),
       ":2: warning: the last record has no <EOR>; skipped\n"},
      {"Cabrillo", "START-OF-LOG: 3.0\n" + cabrilloLine + cabrilloLine + "END-OF-LOG:\n",
       "START-OF-LOG: 3.0\n" + cabrilloLine + cabrilloLine,
       ":3: warning: the log ends without END-OF-LOG:; it may have been cut short\n"},
  };
  const TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    const std::string whole = dir.Write("whole", c.whole);
    const std::string cut = dir.Write("cut", c.cut);
    const Outcome wholeRun = Score({whole});
    EXPECT_EQ(wholeRun.status, 0);
    EXPECT_EQ(wholeRun.err, "");
    const Outcome cutRun = Score({cut});
    EXPECT_EQ(cutRun.status, 1);
    EXPECT_NE(cutRun.out.find("Total\t    1\t   31\t    1\n"), std::string::npos) << cutRun.out;
    EXPECT_EQ(cutRun.err, cut + c.warning);
    EXPECT_EQ(Score({whole, whole}).status, 0);
    EXPECT_EQ(Score({whole, cut}).status, 1);
  }
}
