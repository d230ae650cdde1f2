// Scores a log's QSOs on the plug-in's engine, one record per QSO in the log's order, as if they
// had been logged live.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/contest_log.h"
#include "scoring/band_stats.h"
#include "scoring/qso.h"

struct LogScore {
  std::string report;                  // the plug-in's report text, lines joined by CR LF
  std::vector<TStatistic> bands;       // in order of first appearance
  std::vector<std::string> fieldKeys;  // band text followed by the field ("14KO"), first seen first
  // One per log QSO, in order. A duplicate, which the engine does not score, carries the square
  // its exchange names.
  std::vector<QsoResult> qsos;
  int duplicates = 0;
  std::int64_t points = 0;
  std::int64_t newFields = 0;
  std::int64_t score = 0;
};

// `ownLocator` begins with a square (see ChooseOwnLocator); distances are measured from that
// square.
LogScore ScoreQsos(const std::vector<LogQso>& qsos, const std::string& ownLocator);

// The fields worked on a band, in letter order.
std::vector<std::string> FieldsOfBand(const LogScore& score, const std::string& band);
