// The check's summary as one HTML page that needs nothing but itself to be viewed: the totals of
// each class, the rules, and the results table with a link to each log's report.
#pragma once

#include <string>
#include <vector>

#include "check/check_rules.h"
#include "check/results_table.h"

std::string HtmlSummary(const ContestLogs& logs, const CheckResult& result,
                        const std::vector<ResultRow>& rows, const CheckRules& rules);

// Text with &, <, > and " written as entities.
std::string HtmlText(const std::string& text);
