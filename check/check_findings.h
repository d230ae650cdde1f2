// The check's result as findings: one row per unconfirmed QSO and one per log whose clock is off.
#pragma once

#include <vector>

#include "check/contest_check.h"
#include "check/findings.h"

std::vector<Finding> CheckFindings(const ContestLogs& logs, const CheckResult& result);
