// The machine-readable result of a scored log, laid out as docs/score-result.schema.json says.
#pragma once

#include <string>

#include "cli/scored_log.h"

// The layout's version: it changes when a field changes its meaning or goes.
inline constexpr int kJsonVersion = 1;

// One JSON object: the log, per band QSOs, points and fields, the totals and score, and per QSO
// what was logged and what it scored, and why it scored 0. A log that could not be scored gives
// its error and warnings instead.
std::string JsonResult(const ScoredLog& scored);

// The object standing for a file that could not be scored, without anything read from it.
std::string JsonError(const std::string& file, const std::string& message);
