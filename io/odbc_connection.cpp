#include "io/odbc_connection.h"

#include <sqlext.h>

#include "scoring/log_query.h"

namespace {
// The driver's first diagnostic for `handle`. The connection string and the messages are the
// system's narrow text, as file names are.
std::string DriverMessage(SQLSMALLINT type, SQLHANDLE handle) {
  SQLCHAR state[6];
  SQLINTEGER nativeCode = 0;
  SQLCHAR text[512];
  SQLSMALLINT length = 0;
  if (handle == nullptr || !SQL_SUCCEEDED(SQLGetDiagRec(type, handle, 1, state, &nativeCode, text,
                                                        sizeof text, &length))) {
    return "the ODBC driver gave no reason";
  }
  return reinterpret_cast<const char*>(text);
}
}  // namespace

OdbcConnection::OdbcConnection(const std::string& connectionString) {
  if (!SQL_SUCCEEDED(environment_.Allocate(SQL_HANDLE_ENV, SQL_NULL_HANDLE)) ||
      !SQL_SUCCEEDED(SQLSetEnvAttr(environment_.Get(), SQL_ATTR_ODBC_VERSION,
                                   reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0)) ||
      !SQL_SUCCEEDED(connection_.Allocate(SQL_HANDLE_DBC, environment_.Get()))) {
    throw DatabaseError("no ODBC environment");
  }
  std::string text = connectionString;
  if (!SQL_SUCCEEDED(SQLDriverConnect(connection_.Get(), nullptr,
                                      reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS, nullptr, 0,
                                      nullptr, SQL_DRIVER_NOPROMPT))) {
    throw DatabaseError(DriverMessage(SQL_HANDLE_DBC, connection_.Get()));
  }
}

OdbcConnection::~OdbcConnection() {
  if (connection_.Get() != nullptr) {
    SQLDisconnect(connection_.Get());
  }
}
