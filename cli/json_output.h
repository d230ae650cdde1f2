// The machine-readable result of a scored log, laid out as docs/score-result.schema.json says.
#pragma once

#include <string>
#include <string_view>

#include "cli/scored_log.h"

// The layout's version: it changes when a field changes its meaning or goes.
inline constexpr int kJsonVersion = 1;

// One JSON object: the log, per band QSOs, points and fields, the totals and score, and per QSO
// what was logged and what it scored, and why it scored 0. A log that could not be scored gives
// its error and warnings instead.
std::string JsonResult(const ScoredLog& scored);

// The object standing for a file that could not be scored, without anything read from it.
std::string JsonError(const std::string& file, const std::string& message);

// A JSON string literal. Bytes that are not UTF-8 are taken as Latin-1, as a logger of the
// plug-in's time wrote them.
std::string JsonString(std::string_view text);
