// A run of the plug-in's engine over a log's QSOs, each scored from the locator it was sent from,
// as a rover's own square changes from QSO to QSO.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scoring/qso.h"

struct EngineQso {
  Qso qso;                 // as the host's record would carry it
  std::string ownLocator;  // the station's own locator when it made the QSO
};

struct ScoreTally {
  std::int64_t qsos = 0;  // QSOs the engine counted: duplicates are not
  std::int64_t points = 0;
  std::int64_t fields = 0;
  std::int64_t score = 0;
};

struct EngineRun {
  std::vector<QsoResult> results;  // one per QSO, in order
  ScoreTally tally;
};

// The QSOs in record mode, in the given order. Throws EOleException when an own locator names no
// square the distance component knows.
EngineRun ScoreOnEngine(const std::vector<EngineQso>& qsos);

// A QSO's texts as the host's record would carry them: each at most 255 characters.
Qso RecordedQso(const std::string& call, const std::string& band, const std::string& mode,
                const std::string& exchange);
