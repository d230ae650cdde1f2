// The check's files for the organiser, in one folder: the results table (results.txt,
// results.csv, results.json), the HTML summary (index.html), the findings for programs
// (findings.csv), a report per log (reports/CALL.txt) and a UBN report per log (ubn/CALL.txt).
#pragma once

#include <string>
#include <vector>

#include "check/progress_bar.h"
#include "check/results_table.h"

// One per log, relative to the folder: "reports/DL1ABC.txt", "reports/DL1ABC-2.txt" for a second
// log of the same call; the file's name for a log without a call.
std::vector<std::string> ReportPaths(const ContestLogs& logs);

// One per log, relative to the folder: "ubn/DL1ABC.txt", or "ubn/DL1ABC-144.txt" where the rules
// have a log for each band; made safe and distinct as ReportPaths makes them.
std::vector<std::string> UbnPaths(const ContestLogs& logs, const CheckRules& rules);

// Makes the folder when missing, or clears an earlier check's results from it (ClearResultFolder).
// Throws std::runtime_error when a file cannot be written.
void WriteCheckReports(const std::string& folder, const ContestLogs& logs,
                       const CheckResult& result, const std::vector<ResultRow>& rows,
                       unsigned threads, ProgressBar& progress);
