// The check's summary as one HTML page that needs nothing but itself to be viewed: the totals of
// each class, the rules, and the results table with a link to each log's report.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "check/results_table.h"

std::string HtmlSummary(const ContestLogs& logs, const CheckResult& result,
                        const std::vector<ResultRow>& rows);

// Text as the page shows it, valid UTF-8 whatever a log's bytes: control characters made visible
// as on a terminal (Printable), bytes that are not UTF-8 taken as Latin-1 (Utf8Text), and &, <,
// > and " written as entities.
std::string HtmlText(std::string_view text);
