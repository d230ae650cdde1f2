// Reads the log table of an SQLite database in the host's layout: the seven columns the plug-in
// reads. QSOs come in row-id order, the order in which they were logged (the plug-in's own rebuild
// sorts them by callsign instead). The table holds no own locator.
#pragma once

#include <string>

#include "cli/contest_log.h"

// `table` empty: the one table that has the seven columns. Throws LogError when there is none,
// more than one, or the database cannot be read.
ContestLog ReadSqliteLog(const std::string& path, const std::string& table);
