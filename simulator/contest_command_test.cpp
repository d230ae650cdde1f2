#include "simulator/contest_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "check/findings.h"
#include "logfiles/test_support.h"

namespace {
struct CommandRun {
  int status;
  std::string out, err;
};

CommandRun Contest(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = RunContestCommand(arguments, out, err);
  return {status, out.str(), err.str()};
}
}  // namespace

TEST(ContestCommand, SameSeedSameFilesOtherSeedOthers) {
  TempDir dir;
  const std::vector<std::string> common = {"--logs", "6", "--qsos", "10", "--adif", "0.5"};
  const auto simulate = [&](const std::string& folder, const std::string& seed) {
    std::vector<std::string> arguments = common;
    arguments.insert(arguments.end(), {"--out", dir.Path(folder), "--seed", seed});
    ASSERT_EQ(Contest(arguments).status, 0);
  };
  simulate("a", "7");
  simulate("b", "7");
  simulate("c", "8");
  const std::vector<std::string> files = FilesUnder(dir.Path("a"));
  EXPECT_EQ(files.size(), 1u + 1u + 6u);  // the truth, the logs' folder, six logs
  EXPECT_EQ(files, FilesUnder(dir.Path("b")));
  for (const std::string& name : files) {
    SCOPED_TRACE(name);
    if (!std::filesystem::is_directory(dir.Path("a/" + name))) {
      EXPECT_EQ(FileText(dir.Path("a/" + name)), FileText(dir.Path("b/" + name)));
    }
  }
  EXPECT_NE(FileText(dir.Path("a/truth.csv")), FileText(dir.Path("c/truth.csv")));
}

// A wrong command line is refused and writes nothing. The options of a VHF contest need --vhf, and
// a VHF contest's logs are EDI, never ADIF; its fault rates add up with the others.
TEST(ContestCommand, WrongCommandLines) {
  TempDir dir;
  const std::string out = dir.Path("contest");
  struct {
    std::vector<std::string> arguments;
    const char* error;
  } const cases[] = {
      {{"--logs", "5"}, "--out FOLDER is needed"},
      {{"--out", out, "--missing", "1.5"}, "--missing needs a number from 0 to 1, not '1.5'"},
      {{"--out", out, "--missing", "0.6", "--busted-calls", "0.6"},
       "the fault rates of a QSO add up to more than 1"},
      {{"--out", out, "extra"}, "unexpected argument 'extra'"},
      {{"--out", out, "-v"}, "unknown option -v"},
      {{"--out", out, "--logs", "2", "--qsos", "100"},
       "too many QSOs for so few stations: at most 2 in all, 100 asked"},
      {{"--out", out, "--busted-serials", "0.1"}, "--busted-serials needs --vhf"},
      {{"--out", out, "--busted-reports", "0.1"}, "--busted-reports needs --vhf"},
      {{"--out", out, "--out-of-period", "0.1"}, "--out-of-period needs --vhf"},
      {{"--out", out, "--check-logs", "0.1"}, "--check-logs needs --vhf"},
      {{"--out", out, "--one-band-logs", "0.1"}, "--one-band-logs needs --vhf"},
      {{"--out", out, "--marked-duplicates", "0.1"}, "--marked-duplicates needs --vhf"},
      {{"--out", out, "--vhf", "--adif", "0.1"}, "--adif and --vhf: a VHF contest's logs are EDI"},
      {{"--out", out, "--vhf", "--busted-calls", "0.5", "--busted-serials", "0.3",
        "--out-of-period", "0.3"},
       "the fault rates of a QSO add up to more than 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    const CommandRun run = Contest(c.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "marovinta-contest: " + std::string(c.error) + "\nTry 'marovinta-contest --help'.\n");
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

// --vhf writes EDI logs, one per station and band, and says how many, with how many QSOs; its
// clocks are off by 20 minutes at most unless --largest-offset says otherwise.
TEST(ContestCommand, WritesAVhfContest) {
  TempDir dir;
  const std::filesystem::path folder = dir.Path("contest");
  const CommandRun run = Contest({"--vhf", "--out", folder.string(), "--logs", "200", "--qsos",
                                  "60", "--clock-offsets", "1", "--seed", "3"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::size_t files = 0;
  std::size_t qsos = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder / "logs")) {
    ASSERT_EQ(entry.path().extension(), ".edi");
    ++files;
    std::ifstream log(entry.path());
    for (std::string line; std::getline(log, line);) {
      if (line.rfind("[QSORecords;", 0) == 0) {
        qsos += std::stoul(line.substr(12));
      }
    }
  }
  EXPECT_GT(files, 200u);  // some stations send more than one
  EXPECT_EQ(run.out, "marovinta-contest: " + std::to_string(files) +
                         " EDI logs of 200 stations with " + std::to_string(qsos) + " QSOs in " +
                         folder.string() + "/logs, the truth in " + folder.string() +
                         "/truth.csv; stations without a log: 20\n");
  long long largest = 0;
  for (const Finding& row : ParseFindingsCsv(FileText(folder / "truth.csv"))) {
    if (row.kind == kClockOffsetKind) {
      largest = std::max(largest, std::llabs(std::stoll(row.detail)));
    }
  }
  EXPECT_GT(largest, 15 * 60);
  EXPECT_LE(largest, 20 * 60);
}
