// Reads the log table of the host's SQLite database through the SQLite ODBC driver and the
// plug-in's own log query, so that the scorer sees each text as the plug-in does (a BLOB, a text
// with a NUL inside). QSOs come in row-id order, the order in which they were logged (the
// plug-in's own rebuild sorts them by callsign instead). The table holds no own locator.
//
// The database is opened read-only; a lock held by the logger is waited for a few seconds. A
// database left with a journal of an unfinished transaction is read from a copy, which SQLite
// then recovers, so that the log itself is never written.
#pragma once

#include <string>

#include "logfiles/contest_log.h"

// `table` empty: the one table that has the host's log columns. Throws LogError when there is
// none, more than one, or the database cannot be read.
ContestLog ReadSqliteLog(const std::string& path, const std::string& table,
                         QsoDetail detail = QsoDetail::kFull);
