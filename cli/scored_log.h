// One log file read and scored: what every output is written from.
#pragma once

#include <string>

#include "cli/contest_log.h"
#include "cli/log_scorer.h"

struct ScoredLog {
  std::string file;
  ContestLog log;
  std::string ownLocator;  // the one scored with
  LogScore score;
};

// `ownLocator` from --own (empty: the log's), `table` from --table. Throws LogError for a file
// that cannot be scored.
ScoredLog ScoreLogFile(const std::string& path, const std::string& ownLocator,
                       const std::string& table);
