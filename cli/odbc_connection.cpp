#include "cli/odbc_connection.h"

#include <sql.h>
#include <sqlext.h>

#include "cli/contest_log.h"

namespace {
std::string DriverMessage(SQLSMALLINT type, SQLHANDLE handle) {
  SQLCHAR state[6];
  SQLINTEGER nativeCode = 0;
  SQLCHAR text[512];
  SQLSMALLINT length = 0;
  if (!SQL_SUCCEEDED(
          SQLGetDiagRec(type, handle, 1, state, &nativeCode, text, sizeof text, &length))) {
    return "the ODBC driver gave no reason";
  }
  return reinterpret_cast<const char*>(text);
}
}  // namespace

OdbcConnection::OdbcConnection(const std::string& connectionString) {
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment_)) ||
      !SQL_SUCCEEDED(SQLSetEnvAttr(environment_, SQL_ATTR_ODBC_VERSION,
                                   reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0)) ||
      !SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, environment_, &connection_))) {
    SQLFreeHandle(SQL_HANDLE_ENV, environment_);
    throw LogError("cannot open the database: no ODBC environment");
  }
  std::string text = connectionString;
  const SQLRETURN rc =
      SQLDriverConnect(connection_, nullptr, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS,
                       nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    const std::string message = DriverMessage(SQL_HANDLE_DBC, connection_);
    SQLFreeHandle(SQL_HANDLE_DBC, connection_);
    SQLFreeHandle(SQL_HANDLE_ENV, environment_);
    throw LogError("cannot open the database through ODBC: " + message);
  }
}

OdbcConnection::~OdbcConnection() {
  SQLDisconnect(connection_);
  SQLFreeHandle(SQL_HANDLE_DBC, connection_);
  SQLFreeHandle(SQL_HANDLE_ENV, environment_);
}
