#include "host/odbc_log_win.h"

#include <sqlext.h>

#include <stdexcept>
#include <vector>

#include "host/text_win.h"

namespace {

bool Succeeded(SQLRETURN result) {
  return result == SQL_SUCCESS || result == SQL_SUCCESS_WITH_INFO;
}

// The driver's first diagnostic record for the handle, or the bare result code.
std::string Diagnostic(SQLSMALLINT type, SQLHANDLE handle, SQLRETURN result) {
  SQLWCHAR state[6] = {};
  SQLWCHAR text[1024] = {};
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  if (handle != SQL_NULL_HANDLE &&
      Succeeded(SQLGetDiagRecW(type, handle, 1, state, &native, text, 1024, &length))) {
    return Utf8(reinterpret_cast<wchar_t*>(text));
  }
  return "ODBC result " + std::to_string(result);
}

void Check(SQLRETURN result, SQLSMALLINT type, SQLHANDLE handle, const std::string& doing) {
  if (!Succeeded(result)) {
    throw std::runtime_error(doing + ": " + Diagnostic(type, handle, result));
  }
}

SQLWCHAR* Sql(std::wstring& text) {
  return reinterpret_cast<SQLWCHAR*>(text.data());
}

OdbcHandle Allocated(SQLSMALLINT type, SQLHANDLE parent) {
  OdbcHandle handle;
  if (!Succeeded(handle.Allocate(type, parent))) {
    throw std::runtime_error("cannot allocate an ODBC handle of type " + std::to_string(type));
  }
  return handle;
}

// The environment must be set to ODBC 3 before a connection handle is allocated from it.
SQLHENV Odbc3(const OdbcHandle& environment) {
  SQLSetEnvAttr(environment.Get(), SQL_ATTR_ODBC_VERSION,
                reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  return environment.Get();
}

}  // namespace

OdbcLog::OdbcLog(const std::string& path, const std::string& table, const std::string& settings)
    : table_(table),
      environment_(Allocated(SQL_HANDLE_ENV, SQL_NULL_HANDLE)),
      connection_(Allocated(SQL_HANDLE_DBC, Odbc3(environment_))) {
  std::wstring connect =
      L"DRIVER={SQLite3};Database=" + WidenHostText(path) + L";" + WidenHostText(settings);
  SQLWCHAR out[1024];
  SQLSMALLINT outLength = 0;
  Check(SQLDriverConnectW(connection_.Get(), nullptr, Sql(connect), SQL_NTS, out, 1024, &outLength,
                          SQL_DRIVER_NOPROMPT),
        SQL_HANDLE_DBC, connection_.Get(), "cannot open " + path);
  try {
    Execute(CreateTableStatement(table_));
  } catch (...) {
    SQLDisconnect(connection_.Get());
    throw;
  }
}

OdbcLog::~OdbcLog() {
  SQLDisconnect(connection_.Get());
}

void OdbcLog::Execute(const std::string& sql) {
  const OdbcHandle statement = Allocated(SQL_HANDLE_STMT, connection_.Get());
  std::wstring text = WidenHostText(sql);
  Check(SQLExecDirectW(statement.Get(), Sql(text), SQL_NTS), SQL_HANDLE_STMT, statement.Get(), sql);
}

long OdbcLog::CountRows() {
  const OdbcHandle statement = Allocated(SQL_HANDLE_STMT, connection_.Get());
  std::wstring text = WidenHostText(CountStatement(table_));
  Check(SQLExecDirectW(statement.Get(), Sql(text), SQL_NTS), SQL_HANDLE_STMT, statement.Get(),
        "cannot count the rows");
  SQLINTEGER count = 0;
  SQLLEN indicator = 0;
  Check(SQLFetch(statement.Get()), SQL_HANDLE_STMT, statement.Get(), "cannot count the rows");
  Check(SQLGetData(statement.Get(), 1, SQL_C_SLONG, &count, 0, &indicator), SQL_HANDLE_STMT,
        statement.Get(), "cannot count the rows");
  return count;
}

void OdbcLog::Insert(const LogRow& row) {
  const OdbcHandle statement = Allocated(SQL_HANDLE_STMT, connection_.Get());
  std::wstring text = WidenHostText(InsertStatement(table_));
  Check(SQLPrepareW(statement.Get(), Sql(text), SQL_NTS), SQL_HANDLE_STMT, statement.Get(),
        "cannot prepare the insert");
  // The bound buffers must stay where they are until the statement has run.
  std::vector<std::wstring> values;
  for (const std::string* value : ColumnValues(row)) {
    values.push_back(WidenHostText(*value));
  }
  std::vector<SQLLEN> lengths(values.size(), SQL_NTS);
  for (std::size_t i = 0; i < values.size(); ++i) {
    Check(SQLBindParameter(statement.Get(), static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT,
                           SQL_C_WCHAR, SQL_WVARCHAR, values[i].size() + 1, 0, Sql(values[i]), 0,
                           &lengths[i]),
          SQL_HANDLE_STMT, statement.Get(), "cannot bind a value");
  }
  Check(SQLExecute(statement.Get()), SQL_HANDLE_STMT, statement.Get(), "cannot insert the QSO");
}

void OdbcLog::InsertAll(const std::vector<LogRow>& rows) {
  const SQLHDBC connection = connection_.Get();
  SQLSetConnectAttrW(connection, SQL_ATTR_AUTOCOMMIT,
                     reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0);
  try {
    for (const LogRow& row : rows) {
      Insert(row);
    }
  } catch (...) {
    SQLEndTran(SQL_HANDLE_DBC, connection, SQL_ROLLBACK);
    SQLSetConnectAttrW(connection, SQL_ATTR_AUTOCOMMIT,
                       reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    throw;
  }
  Check(SQLEndTran(SQL_HANDLE_DBC, connection, SQL_COMMIT), SQL_HANDLE_DBC, connection,
        "cannot commit the rows");
  SQLSetConnectAttrW(connection, SQL_ATTR_AUTOCOMMIT,
                     reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
}
