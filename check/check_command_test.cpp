#include "check/check_command.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "check/check_test_support.h"
#include "logfiles/test_support.h"
#include "simulator/contest_command.h"

namespace {
struct Outcome {
  int status;
  std::string out, err;
};

Outcome Check(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCheckCommand(arguments, false, out, err);
  return {status, out.str(), err.str()};
}

Outcome Simulate(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunContestCommand(arguments, out, err);
  return {status, out.str(), err.str()};
}

const std::string kOneQsoLog =
    CabrilloText({"DL1AAA", "JO31", {{"14000 CW 2024-09-07 1400", "OK1BBB JN79"}}});
// The other side of kOneQsoLog's QSO.
const std::string kPartnersLog =
    CabrilloText({"OK1BBB", "JN79", {{"14000 CW 2024-09-07 1400", "DL1AAA JO31"}}});

// Standard output on a full disk: what is written is held, and fails once it is to be sent on.
class FullBuffer : public std::streambuf {
 public:
  FullBuffer() { setp(held_, held_ + sizeof held_); }

 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  int sync() override { return -1; }

 private:
  char held_[1 << 16];
};
}  // namespace

TEST(CheckCommand, FolderStandsForItsFilesInNameOrder) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path("logs"));
  dir.Write("logs/b.log", "");
  dir.Write("logs/a.adi", "");
  dir.Write("logs/.hidden", "");
  dir.Write("single.log", "");
  EXPECT_EQ(LogFilesOf({dir.Path("single.log"), dir.Path("logs")}),
            (std::vector<std::string>{dir.Path("single.log"), dir.Path("logs/a.adi"),
                                      dir.Path("logs/b.log")}));
  EXPECT_THROW(LogFilesOf({dir.Path("missing")}), std::runtime_error);
}

TEST(CheckCommand, UnreadableEntriesOfAFolderAreListedAndTheOthersChecked) {
  TempDir dir;
  std::filesystem::create_directories(dir.Path("logs/inner"));
  dir.Write("logs/a.log", kOneQsoLog);
  std::filesystem::create_symlink("loop", dir.Path("logs/loop"));
  std::filesystem::create_symlink("nothing", dir.Path("logs/dangling"));
  EXPECT_EQ(LogFilesOf({dir.Path("logs")}),
            (std::vector<std::string>{dir.Path("logs/a.log"), dir.Path("logs/dangling"),
                                      dir.Path("logs/loop")}));
  const Outcome run = Check({dir.Path("logs")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, dir.Path("logs/dangling") +
                         ": error: cannot open: No such file or directory\n" +
                         dir.Path("logs/loop") +
                         ": error: cannot open: Too many levels of symbolic links\n");
  EXPECT_NE(run.out.find("\n    1  DL1AAA "), std::string::npos) << run.out;
}

TEST(CheckCommand, AFolderThatCannotBeListedIsListedAsUnreadable) {
  if (geteuid() == 0) {
    GTEST_SKIP() << "root lists any folder";
  }
  TempDir dir;
  dir.Write("a.log", kOneQsoLog);
  std::filesystem::create_directory(dir.Path("closed"));
  std::filesystem::permissions(dir.Path("closed"), std::filesystem::perms::none);
  const Outcome run = Check({dir.Path("a.log"), dir.Path("closed")});
  std::filesystem::permissions(dir.Path("closed"), std::filesystem::perms::owner_all);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, dir.Path("closed") + ": error: cannot open: Permission denied\n");
}

TEST(CheckCommand, ChecksASimulatedContestAndWritesEveryReport) {
  TempDir dir;
  const Outcome simulated = Simulate({"--out", dir.Path("contest"), "--logs", "6", "--qsos", "10"});
  ASSERT_EQ(simulated.status, 0) << simulated.err;
  dir.Write("contest/logs/broken.log", "not a log at all\n");

  const Outcome run = Check({"--out", dir.Path("result"), dir.Path("contest/logs")});
  EXPECT_EQ(run.status, 1);  // the broken file
  EXPECT_EQ(run.err, dir.Path("contest/logs/broken.log") +
                         ": error: not a log: no Cabrillo START-OF-LOG:, no EDI [REG1TEST;1], "
                         "no ADIF tags, no ADX document and no SQLite database\n");
  EXPECT_EQ(run.out, FileText(dir.Path("result/results.txt")));
  EXPECT_NE(run.out.find("\nPlace  Call"), std::string::npos);
  const std::vector<std::string> files = FilesUnder(dir.Path("result"));
  EXPECT_EQ(files.size(), 5u + 2u + 2u * 7u);  // five files, two folders, two reports per log
  for (const char* name : {"results.txt", "results.csv", "results.json", "index.html",
                           "findings.csv", "reports/broken-log.txt", "ubn/broken-log.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_NE(std::find(files.begin(), files.end(), name), files.end());
  }
  const nlohmann::json json = nlohmann::json::parse(FileText(dir.Path("result/results.json")));
  ASSERT_EQ(json["logs"].size(), 7u);
  const nlohmann::json& broken = json["logs"][6];  // a log with an error comes last
  EXPECT_EQ(broken["file"], dir.Path("contest/logs/broken.log"));
  EXPECT_TRUE(broken["place"].is_null());
  EXPECT_EQ(broken["report"], "reports/broken-log.txt");
  EXPECT_NE(broken["error"].get<std::string>().find("not a log"), std::string::npos);
}

TEST(CheckCommand, ALogWithoutOwnLocatorIsMatchedNotScoredAndAnError) {
  TempDir dir;
  dir.Write("a.log", kOneQsoLog);
  dir.Write("b.adi",
            "<CALL:6>DL1AAA <GRIDSQUARE:4>JO31 <MODE:2>CW <BAND:3>20m <QSO_DATE:8>20240907 "
            "<TIME_ON:4>1400 <STATION_CALLSIGN:6>OK1BBB <EOR>\n");
  const Outcome run = Check({"--out", dir.Path("out"), dir.Path("a.log"), dir.Path("b.adi")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, dir.Path("b.adi") + ": error: the log names no own locator\n");
  EXPECT_NE(
      run.out.find("\n    -  " + dir.Path("b.adi") + ": error: the log names no own locator\n"),
      std::string::npos)
      << run.out;
  EXPECT_NE(FileText(dir.Path("out/reports/DL1AAA.txt")).find("QSOs: 1 confirmed,"),
            std::string::npos);
}

TEST(CheckCommand, AStationWithTwoLogsIsRankedOnceOnTheFirst) {
  TempDir dir;
  dir.Write("a.log", kOneQsoLog);
  dir.Write("a-again.log", kOneQsoLog);
  dir.Write("b.log", kPartnersLog);
  const Outcome run = Check(
      {"--out", dir.Path("out"), dir.Path("a.log"), dir.Path("a-again.log"), dir.Path("b.log")});
  EXPECT_EQ(run.status, 1);
  const std::string error = dir.Path("a-again.log") +
                            ": error: another log of DL1AAA: the station is ranked on " +
                            dir.Path("a.log") + ", and this log takes no part\n";
  EXPECT_EQ(run.err, error);
  EXPECT_NE(run.out.find("\n    1  DL1AAA "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\n    1  OK1BBB "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\n    -  " + error), std::string::npos) << run.out;
  for (const char* report : {"out/reports/DL1AAA.txt", "out/reports/OK1BBB.txt"}) {
    SCOPED_TRACE(report);
    EXPECT_NE(FileText(dir.Path(report)).find("QSOs: 1 confirmed, 0 not in log,"),
              std::string::npos);
  }
}

TEST(CheckCommand, AnyFailureEndsWithAPlainMessage) {
  TempDir dir;
  dir.Write("a.log", kOneQsoLog);
  FullBuffer full;
  std::ostream out(&full);
  out.exceptions(std::ios::badbit);  // a failure deep in the check, as a throw
  std::ostringstream err;
  EXPECT_EQ(RunCheckCommand({dir.Path("a.log")}, false, out, err), 1);
  EXPECT_EQ(err.str().rfind("marovinta-check: error: ", 0), 0u) << err.str();
}

TEST(CheckCommand, StandardOutputThatCannotBeWrittenIsAFailure) {
  TempDir dir;
  dir.Write("a.log", kOneQsoLog);
  FullBuffer full;
  std::ostream out(&full);
  std::ostringstream err;
  EXPECT_EQ(RunCheckCommand({dir.Path("a.log")}, false, out, err), 1);
  EXPECT_EQ(err.str(), "marovinta-check: error: cannot write the results to standard output\n");
  std::ostream help(&full);
  EXPECT_EQ(RunCheckCommand({"--help"}, false, help, err), 1);
}

TEST(CheckCommand, OutOverAnEarlierCheckLeavesNoStaleReportAndFollowsNoLink) {
  TempDir dir;
  dir.Write("organiser.txt", "organiser's");
  dir.Write("a.log", kOneQsoLog);
  dir.Write("b.log", kPartnersLog);
  ASSERT_EQ(Check({"--out", dir.Path("out"), dir.Path("a.log"), dir.Path("b.log")}).status, 0);
  std::filesystem::remove(dir.Path("out/reports/DL1AAA.txt"));
  std::filesystem::create_symlink(dir.Path("organiser.txt"), dir.Path("out/reports/DL1AAA.txt"));

  EXPECT_EQ(Check({"--out", dir.Path("out"), dir.Path("a.log")}).status, 0);
  EXPECT_EQ(FileText(dir.Path("organiser.txt")), "organiser's");
  EXPECT_FALSE(std::filesystem::is_symlink(dir.Path("out/reports/DL1AAA.txt")));
  EXPECT_EQ(FilesUnder(dir.Path("out/reports")), std::vector<std::string>{"DL1AAA.txt"});
  EXPECT_EQ(FilesUnder(dir.Path("out/ubn")), std::vector<std::string>{"DL1AAA.txt"});

  dir.Write("out/notes.txt", "organiser's");
  const Outcome refused = Check({"--out", dir.Path("out"), dir.Path("a.log")});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err, "marovinta-check: --out " + dir.Path("out") +
                             ": holds notes.txt, which no check wrote; give a new or empty "
                             "folder, or an earlier check's\nTry 'marovinta-check --help'.\n");
}

// A log in cp1251 is reported in its own letters where its code page is named.
TEST(CheckCommand, ALogInACodePageIsReportedInItsLettersWithItsEncodingNamed) {
  TempDir dir;
  const std::string log =
      dir.Write("a.log",
                "START-OF-LOG: 3.0\nCALLSIGN: UA3ABC\n"
                "QSO: 144 PH 2024-09-07 1400 UA3ABC 59 001 KO85TS \xD0\xC0\x33\xC4\xC5\xD4 59 002 "
                "KO85UT\nEND-OF-LOG:\n");
  const Outcome run = Check({"--encoding", "cp1251", "--out", dir.Path("out"), log});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(FileText(dir.Path("out/reports/UA3ABC.txt")).find("unique: РА3ДЕФ is in no other log"),
            std::string::npos)
      << FileText(dir.Path("out/reports/UA3ABC.txt"));
}

TEST(CheckCommand, WrongCommandLinesAndRules) {
  TempDir dir;
  dir.Write("rules.txt", "window = 5\n");
  dir.Write("escape.txt", "mode-must-match = no\x1b[2J\n");
  std::filesystem::create_directory(dir.Path("empty"));
  const struct {
    std::vector<std::string> arguments;
    const char* err;
  } cases[] = {
      {{}, "marovinta-check: no logs given\n"},
      {{dir.Path("empty")}, "marovinta-check: no logs in the folders given\n"},
      {{"--jobs", "0", "x.log"},
       "marovinta-check: --jobs needs a whole number from 1 to 256, "
       "not '0'\n"},
      {{"--color", "x.log"}, "marovinta-check: unknown option --color\n"},
      {{"-v", "x.log"}, "marovinta-check: unknown option -v\n"},
      {{"--rules", dir.Path("rules.txt"), dir.Path("rules.txt")},
       "marovinta-check: rules line 1: unknown setting 'window'\n"},
      {{"--encoding", "klingon", "x.log"},
       "marovinta-check: --encoding needs a single-byte code page (cp1250, cp1251, cp1252, "
       "iso-8859-1, iso-8859-2, iso-8859-5, koi8-r, ...) or utf-8, not 'klingon'\n"},
      {{"--rules", dir.Path("escape.txt"), dir.Path("rules.txt")},
       "marovinta-check: rules line 1: mode-must-match needs yes or no, not "
       "'no\\x1b[2J'\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.err);
    const Outcome run = Check(c.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, std::string(c.err) + "Try 'marovinta-check --help'.\n");
  }
  EXPECT_EQ(Check({"--help"}).status, 0);
  EXPECT_EQ(Check({"-h"}).out, kCheckUsage);
}
