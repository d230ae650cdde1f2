// Deterministic logs in the host's table layout: a contest's worth of QSOs for demonstrations and a
// handful of hand-picked ones for tests.
#pragma once

#include <vector>

#include "host/log_table.h"

// A few hundred plausible QSOs from a fixed seed: the nine bands and a few others, five modes,
// some duplicates, reports with and without a square, in upper and lower case.
std::vector<LogRow> SampleLog();
// The same kind of log with `rows` rows, for the benchmarks: stations and QSOs logged twice on
// purpose in the same proportions. SampleLog() is the one of its size.
std::vector<LogRow> SampleLog(int rows);

// Nine QSOs whose scores can be worked out by hand: a duplicate, a report without a square, a
// lower-case six-character locator, a band outside the nine, a field worked twice on one band.
std::vector<LogRow> TinyLog();
