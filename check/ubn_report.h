// The UBN report of a log, in the shape entrants of VHF contests know: the log's header, its QSOs
// that are unique, busted or not in the other log (and those out of the period and duplicates),
// each with what was logged, what is right where the check knows it and the points it lost, then
// the totals.
#pragma once

#include <cstddef>
#include <string>

#include "check/contest_check.h"

std::string UbnReportText(const ContestLogs& logs, const CheckResult& result, std::size_t log);
