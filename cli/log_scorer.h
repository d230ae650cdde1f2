// Scores a log's QSOs on the plug-in's engine, one record per QSO in the log's order, as if they
// had been logged live. Each distance is measured from the own square of its QSO.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/zero_reason.h"
#include "logfiles/contest_log.h"
#include "logfiles/huge_page_allocator.h"
#include "scoring/band_stats.h"
#include "scoring/qso.h"

// What scoring gave one QSO of the log: the engine's result and what the scorer adds to it, in
// 16 bytes, as a log of a million QSOs holds a million of them.
struct ScoredQso {
  float distance = 0;            // the component's distance in km, when hasDistance
  std::int32_t ownLocator = -1;  // its index in LogScore::ownLocators, -1 when it had none
  // The number of the worked square a distance was measured to (for a duplicate, which the engine
  // does not score, the square its exchange names), -1 when none.
  std::int16_t square = -1;
  std::int16_t points = 0;  // the distance points, without any bonus
  bool duplicate = false;
  bool newField = false;
  bool hasDistance = false;
  ZeroReason reason = ZeroReason::kNone;

  std::optional<double> DistanceKm() const;
  // The square's four characters, "" when none.
  std::string Square() const;
};
static_assert(sizeof(ScoredQso) == 16);

struct LogScore {
  std::string report;                  // the plug-in's report text, lines joined by CR LF
  std::vector<TStatistic> bands;       // in order of first appearance
  std::vector<std::string> fieldKeys;  // band text followed by the field ("14KO"), first seen first
  std::vector<ScoredQso, HugePageAllocator<ScoredQso>> qsos;  // one per log QSO, in order
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
LogScore ScoreQsos(const QsoList& qsos, const std::string& given,
                   const std::string& logLocator = "");

// The fields worked on a band, in letter order.
std::vector<std::string> FieldsOfBand(const LogScore& score, const std::string& band);
