// The check's report on one log, for its station and the organiser: claimed and checked score,
// the clock, and each unconfirmed QSO with its class and, where there is one, the other log's
// line it was judged by.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "check/contest_check.h"

// `place` is the log's place in the results, 0 for none (a log with an error).
std::string LogReportText(const ContestLogs& logs, const CheckResult& result, std::size_t log,
                          std::size_t place);

// The whole minutes a clock is ahead (negative: behind), rounded.
std::int64_t ClockMinutes(std::int64_t offsetSeconds);

// "12 minutes ahead", "3 minutes behind" or "right": a clock offset as people say it.
std::string ClockText(std::int64_t offsetSeconds);
