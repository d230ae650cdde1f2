// The operator's own locator for a log: the one the user gives, else the log's first.
#pragma once

#include <string>

#include "cli/contest_log.h"

// `given` (from --own) wins when not empty. Throws LogError when there is no own locator or it does
// not begin with a square. A log with several own squares gets a warning naming the others.
std::string ChooseOwnLocator(const std::string& given, ContestLog& log);
