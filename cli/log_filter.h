// Picks the QSOs of one contest out of a whole logbook: a period of UTC time and a contest id.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "logfiles/contest_log.h"

struct LogFilter {
  std::optional<std::int64_t> from;  // seconds since 1970 UTC, the first kept
  std::optional<std::int64_t> to;    // the first no longer kept
  std::string contestId;             // upper-cased; empty keeps every contest
};

// A time as --from and --to take it: a date (2025-08-30 or 20250830), then optionally 'T' or a
// blank and a time of day (12:00, 1200, 12:00:30, 120030), and optionally 'Z'. A date alone is
// its first second, or with `endOfDay` the first second after it. Nothing when it is none of these.
std::optional<std::int64_t> ParseUtcTime(std::string_view text, bool endOfDay);

struct FilterResult {
  std::int64_t leftOut = 0;  // QSOs removed
  std::int64_t untimed = 0;  // of those, QSOs without a date and time, which no period holds
};

// Removes from `log` the QSOs the filter does not keep. A QSO without a contest id of its own
// belongs to the contest the whole log names.
FilterResult ApplyFilter(const LogFilter& filter, ContestLog& log);
