// The check of a contest's logs against each other: matching (clock offsets, pairs, busted
// calls), then each log's checked score.
#pragma once

#include <vector>

#include "check/check_rules.h"
#include "check/checked_score.h"
#include "check/contest_logs.h"
#include "check/progress_bar.h"
#include "check/qso_class.h"

struct CheckResult {
  std::vector<QsoOutcome> outcomes;  // one per QSO of ContestLogs::qsos
  std::vector<LogCheck> logs;        // one per log
  CheckRules rules;                  // what the logs were checked by, which the outputs show
};

// A log with an error (it could not be read or scored as claimed) keeps a checked score of zero.
CheckResult CheckContest(const ContestLogs& logs, const CheckRules& rules, unsigned threads,
                         ProgressBar& progress);
