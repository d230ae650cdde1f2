#include "testing/sqlite_log.h"

#include <sqlext.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "host/sqlite_handles.h"

namespace {
std::string Literal(const LogValue& value) {
  if (!value) {
    return "NULL";
  }
  std::string literal = "'";
  for (char c : *value) {
    literal += c == '\'' ? "''" : std::string(1, c);
  }
  return literal + "'";
}

// The columns of the host's layout but `without`, with their values chosen by `pick`.
template <typename Pick>
std::string ColumnList(const std::string& without, Pick pick) {
  std::string list;
  const std::vector<std::string>& columns = HostLogColumns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i] == without) {
      continue;
    }
    list += (list.empty() ? "" : ", ") + pick(i);
  }
  return list;
}

std::string OdbcMessage(SQLSMALLINT type, SQLHANDLE handle) {
  SQLCHAR state[6];
  SQLINTEGER nativeCode = 0;
  SQLCHAR text[512];
  SQLSMALLINT length = 0;
  if (!SQL_SUCCEEDED(
          SQLGetDiagRec(type, handle, 1, state, &nativeCode, text, sizeof text, &length))) {
    return "ODBC failure";
  }
  return reinterpret_cast<const char*>(text);
}
}  // namespace

TempSqliteFile::TempSqliteFile() {
  std::string pattern = (std::filesystem::temp_directory_path() / "marovinta-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder");
  }
  folder_ = pattern;
  path_ = folder_ + "/log.db";
}

TempSqliteFile::~TempSqliteFile() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void TempSqliteFile::Execute(const std::string& sql) const {
  sqlite3* opened = nullptr;
  const int openRc = sqlite3_open(path_.c_str(), &opened);
  const Database db(opened);
  if (openRc != SQLITE_OK) {
    throw std::runtime_error("cannot open " + path_);
  }
  char* error = nullptr;
  const int rc = sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  if (rc != SQLITE_OK) {
    throw std::runtime_error(message);
  }
}

void TempSqliteFile::CreateLogTable(const std::string& table, const std::string& without,
                                    const std::string& collation) const {
  const std::string columns = ColumnList(without, [&](std::size_t i) {
    const std::string& name = HostLogColumns()[i];
    if (name == "QSOID") {
      return name + " INTEGER PRIMARY KEY";
    }
    if (name == "CallSign" && !collation.empty()) {
      return name + " TEXT COLLATE " + collation;
    }
    return name + " TEXT";
  });
  Execute("CREATE TABLE " + table + " (" + columns + ");");
}

void TempSqliteFile::InsertRows(const std::string& table, const std::vector<HostLogRow>& rows,
                                const std::string& without) const {
  const std::string names = ColumnList(without, [](std::size_t i) { return HostLogColumns()[i]; });
  std::string sql = "BEGIN;";
  int id = 0;
  for (const HostLogRow& row : rows) {
    const std::vector<LogValue> values = HostLogValues(row, ++id);
    sql += "INSERT INTO " + table + " (" + names + ") VALUES (" +
           ColumnList(without, [&](std::size_t i) { return Literal(values[i]); }) + ");";
  }
  Execute(sql + "COMMIT;");
}

OdbcSqliteConnection::OdbcSqliteConnection(const std::string& path) {
  environment_.Allocate(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
  SQLSetEnvAttr(environment_.Get(), SQL_ATTR_ODBC_VERSION,
                reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  connection_.Allocate(SQL_HANDLE_DBC, environment_.Get());
  std::string text = "DRIVER={SQLite3};Database=" + path;
  const SQLRETURN rc =
      SQLDriverConnect(connection_.Get(), nullptr, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS,
                       nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    throw std::runtime_error("cannot connect to " + path + ": " +
                             OdbcMessage(SQL_HANDLE_DBC, connection_.Get()));
  }
}

OdbcSqliteConnection::~OdbcSqliteConnection() {
  SQLDisconnect(connection_.Get());
}
