// One QSO as the scoring takes it, and what scoring it gave.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "scoring/contest_score.h"

// The host's single-byte texts, exactly as received: not trimmed, not case-converted.
struct Qso {
  std::string callSign;
  std::string band;
  std::string mode;
  std::string reportReceived;  // record mode searches it for the worked square
  std::string probeLocator;    // probe mode: the worked locator as the host gave it
};

struct QsoResult {
  bool duplicate = false;            // nothing else below is set then
  std::int32_t points = 0;           // the distance points, without any bonus
  std::string square;                // the worked square a distance was measured to, if any
  std::optional<double> distanceKm;  // the component's distance, when one was measured
  // Record mode: the field was counted as new on its band. Probe mode: its key is not worked yet,
  // so recording the QSO would count it.
  bool newField = false;
};

// What the host receives for a recorded QSO: -1 for a duplicate, else its points.
inline std::int32_t RecordAnswer(const QsoResult& result) {
  return result.duplicate ? -1 : result.points;
}

// What the host receives for a probe: -1 for a duplicate, else the points with the bonus of a
// new field.
inline std::int32_t ProbeAnswer(const QsoResult& result) {
  return result.duplicate ? -1 : result.points + (result.newField ? kNewFieldBonus : 0);
}
