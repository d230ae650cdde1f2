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

// A folder of the test's own: ctest runs tests side by side.
std::filesystem::path Folder() {
  const std::filesystem::path folder =
      std::filesystem::path(testing::TempDir()) /
      (std::string("marovinta-contest-") +
       testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::remove_all(folder);
  return folder;
}
}  // namespace

// The options of a VHF contest need --vhf, and a VHF contest's logs are EDI, never ADIF; its
// fault rates add up with the others.
TEST(ContestCommand, RefusesWhatAVhfContestCannotBe) {
  const std::string out = Folder().string();
  struct {
    std::vector<std::string> arguments;
    const char* error;
  } const cases[] = {
      {{"--busted-serials", "0.1"}, "--busted-serials needs --vhf"},
      {{"--busted-reports", "0.1"}, "--busted-reports needs --vhf"},
      {{"--out-of-period", "0.1"}, "--out-of-period needs --vhf"},
      {{"--check-logs", "0.1"}, "--check-logs needs --vhf"},
      {{"--one-band-logs", "0.1"}, "--one-band-logs needs --vhf"},
      {{"--marked-duplicates", "0.1"}, "--marked-duplicates needs --vhf"},
      {{"--vhf", "--adif", "0.1"}, "--adif and --vhf: a VHF contest's logs are EDI"},
      {{"--vhf", "--busted-calls", "0.5", "--busted-serials", "0.3", "--out-of-period", "0.3"},
       "the fault rates of a QSO add up to more than 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    std::vector<std::string> arguments = {"--out", out};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const CommandRun run = Contest(arguments);
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
  const std::filesystem::path folder = Folder();
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
  std::filesystem::remove_all(folder);
}
