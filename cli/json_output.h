// The machine-readable result of a scored log.
#pragma once

#include <string>
#include <string_view>

#include "cli/scored_log.h"

// One JSON object: the log, per band QSOs, points and fields, the totals and score, and per QSO
// its callsign, band, mode, square, distance, points and whether it was a duplicate.
std::string JsonResult(const ScoredLog& scored);

// The object standing for a file that could not be scored.
std::string JsonError(const std::string& file, const std::string& message);

// A JSON string literal. Bytes that are not UTF-8 are taken as Latin-1, as a logger of the
// plug-in's time wrote them.
std::string JsonString(std::string_view text);
