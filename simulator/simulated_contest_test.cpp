// The check against a simulated contest whose faults are known: every class found with a
// precision and a recall of at least 99%.
#include <gtest/gtest.h>

#include "check/check_findings.h"
#include "check/check_test_support.h"
#include "check/contest_check.h"
#include "check/finding_scores.h"
#include "check/log_reading.h"
#include "check/rules_scoring.h"
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

ContestLogs ReadSimulatedLogs(const SimulatedContest& contest) {
  ContestLogs logs(contest.logs.size());
  for (std::size_t i = 0; i < contest.logs.size(); ++i) {
    const SimulatedFile file = SimulatedLogFile(contest, i);
    EnterLog(logs, i, file.name, ReadLogText(file.text));
  }
  logs.Seal();
  return logs;
}

std::vector<Finding> Check(const SimulatedContest& contest) {
  const ContestLogs logs = ReadSimulatedLogs(contest);
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

// The contest's own scoring, given the engine's rules by another road (a band factor of 1), scores
// every log as the engine does: claimed, checked, penalty and all.
TEST(SimulatedContest, TheRulesScoringAgreesWithTheEngineOnItsRules) {
  const ContestLogs logs = ReadSimulatedLogs(SimulateContest(SmallContest()));
  const std::string penalties =
      "penalty-not-in-log = 2\npenalty-busted-call = 1\npenalty-busted-locator = 3\n";
  ProgressBar quiet(false, nullptr);
  const CheckResult byTheEngine = CheckContest(logs, ParseRules(penalties), 2, quiet);
  const CheckRules byTheRules = ParseRules(penalties + "band-factors = 14:1");
  ASSERT_FALSE(ScoresAsTheEngine(byTheRules));
  const CheckResult result = CheckContest(logs, byTheRules, 2, quiet);
  std::int64_t penalty = 0;
  for (std::size_t log = 0; log < logs.logs.size(); ++log) {
    SCOPED_TRACE(logs.logs[log].file);
    const LogCheck& engine = byTheEngine.logs[log];
    const LogCheck& rules = result.logs[log];
    EXPECT_EQ(TallyText(engine.claimed), TallyText(rules.claimed));
    EXPECT_EQ(TallyText(engine.checked), TallyText(rules.checked));
    EXPECT_EQ(engine.penalty, rules.penalty);
    EXPECT_EQ(engine.score, rules.score);
    penalty += rules.penalty;
  }
  EXPECT_GT(penalty, 0);
}
