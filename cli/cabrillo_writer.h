// The scored log as a Cabrillo 3.0 file for sending to the contest: the header with CALLSIGN,
// GRID-LOCATOR and CLAIMED-SCORE, and one line per QSO, duplicates included:
// QSO: frequency mode date time own-call own-grid call grid
#pragma once

#include <string>

#include "cli/scored_log.h"

// `contestId` (--contest-id) names the contest where given, else the log's own. Throws LogError,
// naming the line, for a QSO that a Cabrillo line cannot carry: one without a date and time, an
// own call, an own locator or a received grid.
std::string CabrilloLog(const ScoredLog& scored, const std::string& contestId);
