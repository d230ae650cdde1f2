// Scores a log's QSOs on the plug-in's engine, one record per QSO in the log's order, as if they
// had been logged live. Each distance is measured from the own square of its QSO.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/contest_log.h"
#include "cli/zero_reason.h"
#include "scoring/band_stats.h"
#include "scoring/qso.h"

// What the scorer adds to the engine's result of one QSO.
struct QsoNote {
  ZeroReason reason = ZeroReason::kNone;
  std::int32_t ownLocator = -1;  // its index in LogScore::ownLocators, -1 when it had none
};

struct LogScore {
  std::string report;                  // the plug-in's report text, lines joined by CR LF
  std::vector<TStatistic> bands;       // in order of first appearance
  std::vector<std::string> fieldKeys;  // band text followed by the field ("14KO"), first seen first
  // One per log QSO, in order. A duplicate, which the engine does not score, carries the square
  // its exchange names.
  std::vector<QsoResult> qsos;
  std::vector<QsoNote> notes;  // one per log QSO, in order
  // The own locators the QSOs were scored from, one per square, as first met.
  std::vector<std::string> ownLocators;
  std::array<std::int64_t, kZeroReasonCount> zeroReasons{};  // QSOs per reason
  int duplicates = 0;
  std::int64_t points = 0;
  std::int64_t newFields = 0;
  std::int64_t score = 0;
};

// A QSO's own locator is `given` when that is not empty (--own), else the QSO's own, else
// `logLocator` (the header's). Throws LogError, naming the line, for a QSO that needs a distance
// and has no own locator that begins with a square.
LogScore ScoreQsos(const std::vector<LogQso>& qsos, const std::string& given,
                   const std::string& logLocator = "");

// The fields worked on a band, in letter order.
std::vector<std::string> FieldsOfBand(const LogScore& score, const std::string& band);
