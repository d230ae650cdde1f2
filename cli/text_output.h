// The plain-text outputs of the scorer. Every text that comes from a log goes through Printable.
#pragma once

#include <string>

#include "cli/scored_log.h"

// The plug-in's report text with the line ends of a text file, ending in one.
std::string ReportOutput(const LogScore& score);

// One line per band of the report: its worked fields in letter order.
std::string FieldsOutput(const LogScore& score);

// For --verbose: the log's station, own locators and QSO count, and what scored 0 and why.
std::string HeaderLines(const ScoredLog& scored);

// The columns of the summary lines, then one line per log, a failed one with its error; both
// tab-separated.
std::string SummaryHeader();
std::string SummaryLine(const ScoredLog& scored);

// "file:line: warning: ..." lines for the log's warnings, then its error, if any.
std::string WarningLines(const ScoredLog& scored);

// "file:line: error: ..." for a log that could not be scored.
std::string ErrorLine(const std::string& file, const std::string& message, std::int64_t line = 0);

// The own locators scored from: "JO31LK", or "JO31, JO32, JO42, JO43 and 96 more" for a rover.
std::string OwnLocatorsText(const LogScore& score, const std::string& separator);
