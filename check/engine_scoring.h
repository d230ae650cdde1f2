// A run of the plug-in's engine over a log's QSOs, each scored from the locator it was sent from,
// as a rover's own square changes from QSO to QSO.
#pragma once

#include <string>
#include <vector>

#include "logfiles/recorded_log.h"

struct EngineQso {
  Qso qso;                 // as the host's record would carry it (RecordedQso)
  std::string ownLocator;  // the station's own locator when it made the QSO
};

struct EngineRun {
  std::vector<QsoResult> results;  // one per QSO, in order
  ScoreTally tally;
};

// The QSOs in record mode, in the given order, the first own locator measured first as the
// plug-in's start measures the host's. Throws EOleException when an own locator names no square
// the distance component knows.
EngineRun ScoreOnEngine(const std::vector<EngineQso>& qsos);
