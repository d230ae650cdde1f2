// The statistics report: one line per band, the totals and the score, lines joined by CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scoring/band_stats.h"

// Puts `filler` in front of `text` once for each character it is short of `width`; never cuts.
std::string PadLeft(const std::string& text, std::int32_t width, const std::string& filler);

std::string StatisticReport(const std::vector<TStatistic>& bands);
