#include "cli/sqlite_reader.h"

#include <sqlite3.h>

#include <memory>
#include <vector>

#include "cli/log_text.h"
#include "host/sqlite_handles.h"

namespace {
// The host's log columns, as the plug-in's rebuild reads them.
constexpr const char* kLogColumns[] = {"QSOReportRecived", "DXCCPrefix", "MainPrefix", "CallSign",
                                       "DigiBand",         "QSOMode",    "Continent"};

Database Open(const std::string& path) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  Database owner(db);
  if (rc != SQLITE_OK) {
    throw LogError("cannot open the database: " +
                   std::string(db ? sqlite3_errmsg(db) : "no memory"));
  }
  return owner;
}

// Nothing when the query cannot be prepared; the reason is then in sqlite3_errmsg.
Statement TryPrepare(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
  return Statement(statement);
}

Statement Prepare(sqlite3* db, const std::string& sql) {
  Statement statement = TryPrepare(db, sql);
  if (!statement) {
    throw LogError("cannot read the database: " + std::string(sqlite3_errmsg(db)));
  }
  return statement;
}

bool Step(sqlite3* db, sqlite3_stmt* statement) {
  const int rc = sqlite3_step(statement);
  if (rc == SQLITE_ROW) {
    return true;
  }
  if (rc != SQLITE_DONE) {
    throw LogError("cannot read the database: " + std::string(sqlite3_errmsg(db)));
  }
  return false;
}

std::string Text(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)))
              : std::string();
}

std::string Quoted(const std::string& name) {
  std::string quoted = "\"";
  for (char c : name) {
    quoted += c;
    if (c == '"') {
      quoted += c;
    }
  }
  return quoted + "\"";
}

// The first of the log columns that the table lacks, or nothing.
const char* MissingColumn(sqlite3* db, const std::string& table) {
  Statement columns = Prepare(db, "SELECT name FROM pragma_table_info(?1)");
  sqlite3_bind_text(columns.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
  std::vector<std::string> names;
  while (Step(db, columns.get())) {
    names.push_back(Text(columns.get(), 0));
  }
  for (const char* wanted : kLogColumns) {
    bool found = false;
    for (const std::string& name : names) {
      found = found || EqualsIgnoringCase(name, wanted);  // SQLite's names ignore case
    }
    if (!found) {
      return wanted;
    }
  }
  return nullptr;
}

std::string ColumnList() {
  std::string list;
  for (const char* column : kLogColumns) {
    list += (list.empty() ? "" : ", ") + std::string(column);
  }
  return list;
}

std::string FindLogTable(sqlite3* db) {
  Statement tables =
      Prepare(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
  std::vector<std::string> found;
  while (Step(db, tables.get())) {
    std::string name = Text(tables.get(), 0);
    if (!MissingColumn(db, name)) {
      found.push_back(std::move(name));
    }
  }
  if (found.empty()) {
    throw LogError("no table has the log columns " + ColumnList());
  }
  if (found.size() > 1) {
    std::string names;
    for (const std::string& name : found) {
      names += (names.empty() ? "" : ", ") + name;
    }
    throw LogError("several tables have the log columns (" + names + "); choose one with --table");
  }
  return found.front();
}

void CheckLogTable(sqlite3* db, const std::string& table) {
  Statement exists =
      Prepare(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
  sqlite3_bind_text(exists.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
  if (!Step(db, exists.get())) {
    throw LogError("no table '" + table + "' in the database");
  }
  if (const char* missing = MissingColumn(db, table)) {
    throw LogError("table '" + table + "' has no column " + missing);
  }
}
}  // namespace

ContestLog ReadSqliteLog(const std::string& path, const std::string& table) {
  Database db = Open(path);
  const std::string logTable = table.empty() ? FindLogTable(db.get()) : table;
  if (!table.empty()) {
    CheckLogTable(db.get(), table);
  }
  const std::string columns = "QSOReportRecived, CallSign, DigiBand, QSOMode";
  // Row-id order is the logging order; a table without row ids is read in its own order.
  Statement rows = TryPrepare(
      db.get(), "SELECT " + columns + ", rowid FROM " + Quoted(logTable) + " ORDER BY rowid");
  const bool byRowId = rows != nullptr;
  if (!byRowId) {
    rows = Prepare(db.get(), "SELECT " + columns + " FROM " + Quoted(logTable));
  }
  ContestLog log;
  log.format = "SQLite";
  while (Step(db.get(), rows.get())) {
    LogQso qso;
    qso.exchange = Text(rows.get(), 0);
    qso.callSign = Text(rows.get(), 1);
    qso.band = Text(rows.get(), 2);
    qso.mode = Text(rows.get(), 3);
    qso.line = byRowId ? sqlite3_column_int(rows.get(), 4) : static_cast<int>(log.qsos.size()) + 1;
    log.qsos.push_back(std::move(qso));
  }
  return log;
}
