#include "check/check_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

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

std::string Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    names.push_back(std::filesystem::relative(entry.path(), folder).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}
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
  EXPECT_EQ(run.out, Read(dir.Path("result/results.txt")));
  EXPECT_NE(run.out.find("\nPlace  Call"), std::string::npos);
  const std::vector<std::string> files = FilesIn(dir.Path("result"));
  EXPECT_EQ(files.size(), 5u + 1u + 7u);  // five files, the folder, a report per log
  for (const char* name : {"results.txt", "results.csv", "results.json", "index.html",
                           "findings.csv", "reports/broken-log.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_NE(std::find(files.begin(), files.end(), name), files.end());
  }
  const nlohmann::json json = nlohmann::json::parse(Read(dir.Path("result/results.json")));
  ASSERT_EQ(json["logs"].size(), 7u);
  const nlohmann::json& broken = json["logs"][6];  // a log with an error comes last
  EXPECT_EQ(broken["file"], dir.Path("contest/logs/broken.log"));
  EXPECT_TRUE(broken["place"].is_null());
  EXPECT_EQ(broken["report"], "reports/broken-log.txt");
  EXPECT_NE(broken["error"].get<std::string>().find("not a log"), std::string::npos);
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

TEST(ContestCommand, SameSeedSameFilesOtherSeedOthers) {
  TempDir dir;
  const std::vector<std::string> common = {"--logs", "6", "--qsos", "10", "--adif", "0.5"};
  const auto simulate = [&](const std::string& folder, const std::string& seed) {
    std::vector<std::string> arguments = common;
    arguments.insert(arguments.end(), {"--out", dir.Path(folder), "--seed", seed});
    ASSERT_EQ(Simulate(arguments).status, 0);
  };
  simulate("a", "7");
  simulate("b", "7");
  simulate("c", "8");
  const std::vector<std::string> files = FilesIn(dir.Path("a"));
  EXPECT_EQ(files.size(), 1u + 1u + 6u);  // the truth, the logs' folder, six logs
  EXPECT_EQ(files, FilesIn(dir.Path("b")));
  for (const std::string& name : files) {
    SCOPED_TRACE(name);
    if (!std::filesystem::is_directory(dir.Path("a/" + name))) {
      EXPECT_EQ(Read(dir.Path("a/" + name)), Read(dir.Path("b/" + name)));
    }
  }
  EXPECT_NE(Read(dir.Path("a/truth.csv")), Read(dir.Path("c/truth.csv")));
}

TEST(ContestCommand, WrongCommandLines) {
  const struct {
    std::vector<std::string> arguments;
    const char* err;
  } cases[] = {
      {{"--logs", "5"}, "--out FOLDER is needed"},
      {{"--out", "x", "--missing", "1.5"}, "--missing needs a number from 0 to 1, not '1.5'"},
      {{"--out", "x", "--missing", "0.6", "--busted-calls", "0.6"},
       "the fault rates of a QSO add up to more than 1"},
      {{"--out", "x", "extra"}, "unexpected argument 'extra'"},
      {{"--out", "x", "-v"}, "unknown option -v"},
      {{"--out", "x", "--logs", "2", "--qsos", "100"},
       "too many QSOs for so few stations: at most 2 in all, 100 asked"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.err);
    const Outcome run = Simulate(c.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "marovinta-contest: " + std::string(c.err) + "\nTry 'marovinta-contest --help'.\n");
  }
}
