// Reads a log of any kind the scorer knows, telling the kind from the content.
#pragma once

#include <string>
#include <string_view>

#include "logfiles/contest_log.h"

// `path` "-" reads standard input. `table` names the log table of an SQLite file (empty: find it).
// Throws LogError for a file that cannot be read or is no log.
ContestLog ReadLogFile(const std::string& path, const std::string& table);

// A Cabrillo, ADIF, ADX or EDI log already in memory, in UTF-8, a single-byte code page or UTF-16
// with its byte-order mark.
ContestLog ReadLogText(std::string_view content);
