// The check against a simulated contest whose faults are known: every class found with a
// precision and a recall of at least 99%.
#include <gtest/gtest.h>

#include "check/check_findings.h"
#include "check/contest_check.h"
#include "check/finding_scores.h"
#include "check/log_reading.h"
#include "logfiles/log_reader.h"
#include "simulator/contest_simulator.h"
#include "simulator/simulated_files.h"

namespace {
constexpr double kLeastAgreement = 0.99;
// Enough of each kind that a single miss shows in the percentages.
constexpr std::size_t kLeastExpected = 20;

SimulationSettings SmallContest() {
  SimulationSettings settings;
  settings.logs = 80;
  settings.qsosPerLog = 150;
  settings.silentShare = 0.2;
  settings.seed = 14;
  settings.bustedCalls = 0.03;
  settings.bustedLocators = 0.03;
  settings.missing = 0.03;
  settings.duplicates = 0.02;
  settings.clockOffsets = 0.25;
  settings.largestOffsetMinutes = 90;
  settings.adifShare = 0.25;
  return settings;
}

std::vector<Finding> Check(const SimulatedContest& contest) {
  ContestLogs logs(contest.logs.size());
  for (std::size_t i = 0; i < contest.logs.size(); ++i) {
    const SimulatedFile file = SimulatedLogFile(contest, i);
    EnterLog(logs, i, file.name, ReadLogText(file.text));
  }
  logs.Seal();
  ProgressBar quiet(false, nullptr);
  return CheckFindings(logs, CheckContest(logs, CheckRules(), 2, quiet));
}
}  // namespace

TEST(SimulatedContest, CheckFindsTheInjectedFaults) {
  const SimulatedContest contest = SimulateContest(SmallContest());
  const std::vector<KindScore> scores =
      ScoreFindings(SimulatedTruth(contest), Check(contest), CheckRules());
  std::cout << KindScoreTable(scores);
  for (const KindScore& score : scores) {
    SCOPED_TRACE(score.kind);
    EXPECT_GE(score.expected, kLeastExpected);
    EXPECT_GE(score.Precision(), kLeastAgreement);
    EXPECT_GE(score.Recall(), kLeastAgreement);
  }
}

TEST(SimulatedContest, EveryLogNamesItsStation) {
  SimulationSettings settings;
  settings.logs = 40;
  settings.qsosPerLog = 1;  // some logs get none
  settings.adifShare = 1;
  const SimulatedContest contest = SimulateContest(settings);
  std::size_t empty = 0;
  for (std::size_t i = 0; i < contest.logs.size(); ++i) {
    const SimulatedFile file = SimulatedLogFile(contest, i);
    SCOPED_TRACE(file.name);
    const ContestLog read = ReadLogText(file.text);
    EXPECT_EQ(read.stationCall, contest.stations[i].call);
    EXPECT_EQ(read.ownLocators, std::vector<std::string>{SquareText(contest.stations[i].square)});
    EXPECT_EQ(read.format, contest.logs[i].empty() ? "Cabrillo" : "ADIF");
    empty += contest.logs[i].empty();
  }
  EXPECT_GT(empty, 0u);
  EXPECT_LT(empty, contest.logs.size());
}
