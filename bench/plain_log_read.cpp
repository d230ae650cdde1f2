#include "bench/plain_log_read.h"

#include "io/odbc_handle.h"
// sqlext.h needs the types odbc_handle.h brings.
#include <sqlext.h>

#include <stdexcept>
#include <vector>

#include "io/host_code_page.h"
#include "scoring/log_query.h"
#include "scoring/text_rules.h"

namespace {
const char* const kColumns[] = {"QSOReportRecived", "DXCCPrefix", "MainPrefix", "CallSign",
                                "DigiBand",         "QSOMode",    "Continent"};

void Check(SQLRETURN rc, const char* doing) {
  if (!SQL_SUCCEEDED(rc)) {
    throw std::runtime_error(std::string("the plain read failed ") + doing);
  }
}

// The result column of each of the seven, by name with letter case ignored.
std::vector<SQLUSMALLINT> FindColumns(SQLHSTMT statement) {
  SQLSMALLINT count = 0;
  Check(SQLNumResultCols(statement, &count), "counting the columns");
  std::vector<SQLUSMALLINT> found;
  for (const char* wanted : kColumns) {
    for (SQLUSMALLINT column = 1; column <= count; ++column) {
      std::u16string name(128, u'\0');
      SQLSMALLINT bytes = 0;
      Check(SQLColAttributeW(statement, column, SQL_DESC_NAME, name.data(),
                             static_cast<SQLSMALLINT>(name.size() * sizeof(SQLWCHAR)), &bytes,
                             nullptr),
            "naming a column");
      name.resize(static_cast<std::size_t>(bytes) / sizeof(SQLWCHAR));
      if (UpperAscii(ToHostCodePage(name)) == UpperAscii(wanted)) {
        found.push_back(column);
        break;
      }
    }
  }
  if (found.size() != std::size(kColumns)) {
    throw std::runtime_error("the log lacks one of its seven columns");
  }
  return found;
}
}  // namespace

void PlainLogRead(void* connection, const std::string& table) {
  OdbcHandle statement;
  Check(statement.Allocate(SQL_HANDLE_STMT, connection), "allocating a statement");
  const SQLHSTMT stmt = statement.Get();
  std::u16string sql = FromHostCodePage(LogSelect(table));
  Check(SQLExecDirectW(stmt, reinterpret_cast<SQLWCHAR*>(sql.data()),
                       static_cast<SQLINTEGER>(sql.size())),
        "running the query");
  const std::vector<SQLUSMALLINT> columns = FindColumns(stmt);
  SQLWCHAR value[256];
  for (SQLRETURN rc = SQLFetch(stmt); rc != SQL_NO_DATA; rc = SQLFetch(stmt)) {
    Check(rc, "fetching a row");
    for (const SQLUSMALLINT column : columns) {
      SQLLEN indicator = 0;
      while (SQLGetData(stmt, column, SQL_C_WCHAR, value, sizeof value, &indicator) ==
             SQL_SUCCESS_WITH_INFO) {
      }
    }
  }
}
