// The plain-text outputs of the scorer.
#pragma once

#include <string>

#include "cli/scored_log.h"

// The plug-in's report text with the line ends of a text file, ending in one.
std::string ReportOutput(const LogScore& score);

// One line per band of the report: its worked fields in letter order.
std::string FieldsOutput(const LogScore& score);

// The log's station, own locator and QSO count, for --verbose.
std::string HeaderLine(const ScoredLog& scored);

// The columns of the summary lines, then one line per log; both tab-separated.
std::string SummaryHeader();
std::string SummaryLine(const ScoredLog& scored);

// "file:line: warning: ..." lines for the log's warnings.
std::string WarningLines(const ScoredLog& scored);
