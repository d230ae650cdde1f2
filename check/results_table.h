// The results of a check: one row per log, sorted by checked score, in text, CSV and JSON, each
// written by walking the one table of columns (result_columns.h).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "check/check_rules.h"
#include "check/contest_check.h"

struct ResultRow {
  std::size_t log;     // index in ContestLogs::logs
  std::size_t place;   // equal checked scores share a place; 0 for a log with an error
  std::string report;  // the per-log report's path, relative to the results
};

// Highest checked score first, then by call; where the rules have a log for each band, band by
// band in the order of the bands, each band's places from 1. Check logs follow without a place (by
// band, then call), and logs with an error come last, in the order given. `reports` holds each
// log's report path, by log index.
std::vector<ResultRow> RankResults(const ContestLogs& logs, const CheckResult& result,
                                   const std::vector<std::string>& reports);

// Columns lined up with blanks, under a two-line header.
std::string ResultsText(const ContestLogs& logs, const CheckResult& result,
                        const std::vector<ResultRow>& rows);
std::string ResultsCsv(const ContestLogs& logs, const CheckResult& result,
                       const std::vector<ResultRow>& rows);
// {"rules": {...}, "logs": [...]}, the rows in order.
std::string ResultsJson(const ContestLogs& logs, const CheckResult& result,
                        const std::vector<ResultRow>& rows);
