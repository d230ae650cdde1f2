// One log file read and scored, or the reason it could not be: what every output is written from.
#pragma once

#include <cstdint>
#include <string>

#include "cli/log_filter.h"
#include "cli/log_scorer.h"
#include "cli/options.h"
#include "logfiles/contest_log.h"

struct ScoredLog {
  std::string file;
  ContestLog log;  // as read, less the QSOs the filters left out
  LogScore score;
  FilterResult filtered;
  std::string error;           // why the log could not be scored; empty when it was
  std::int64_t errorLine = 0;  // the line the error concerns, 0 for the whole file

  bool Failed() const { return !error.empty(); }
};

// Reads and scores the file at `path` with --own, --table and the filters of `options`, its QSOs
// read for scoring (QsoDetail::kScoring). A file that cannot be read or scored comes back with its
// error, and with the warnings read before.
ScoredLog ScoreLogFile(const std::string& path, const Options& options);

// Scores a log already read, as ScoreLogFile does.
ScoredLog ScoreLog(std::string file, ContestLog log, const Options& options);
