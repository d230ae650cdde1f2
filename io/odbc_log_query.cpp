#include "io/odbc_log_query.h"

#include <sqlext.h>

#include <algorithm>

#include "io/host_code_page.h"
#include "scoring/text_rules.h"

namespace {
static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "ODBC wide text is UTF-16");

constexpr std::size_t kMessageChars = 512;
constexpr std::size_t kNameChars = 128;
// A field whose column the result lacks, and one that is not read.
constexpr std::size_t kMissing = static_cast<std::size_t>(-1);
constexpr std::size_t kNotRead = static_cast<std::size_t>(-2);

SQLWCHAR* Wide(std::u16string& text) {
  return reinterpret_cast<SQLWCHAR*>(text.data());
}

std::u16string Cut(const std::u16string& text, std::size_t length) {
  return text.substr(0, std::min(length, text.size()));
}

// What the driver says of the failure last reported on `handle` (its first diagnostic record:
// message and state), or what the return code says when it has no record.
DatabaseError DiagnosticError(SQLRETURN code, SQLSMALLINT type, SQLHANDLE handle) {
  const std::string failed = std::string(kLogQueryName) + ": the database reported an error";
  if (code == SQL_INVALID_HANDLE) {
    return DatabaseError(failed + ": invalid " +
                         (type == SQL_HANDLE_DBC ? "connection" : "statement") + " handle");
  }
  std::u16string state(6, u'\0');
  std::u16string text(kMessageChars, u'\0');
  SQLINTEGER nativeCode = 0;
  SQLSMALLINT length = 0;
  SQLRETURN rc = SQLGetDiagRecW(type, handle, 1, Wide(state), &nativeCode, Wide(text),
                                static_cast<SQLSMALLINT>(text.size()), &length);
  if (rc == SQL_SUCCESS_WITH_INFO && static_cast<std::size_t>(length) >= text.size()) {
    text.assign(static_cast<std::size_t>(length) + 1, u'\0');
    rc = SQLGetDiagRecW(type, handle, 1, Wide(state), &nativeCode, Wide(text),
                        static_cast<SQLSMALLINT>(text.size()), &length);
  }
  if (!SQL_SUCCEEDED(rc)) {
    return DatabaseError(failed);
  }
  std::string message =
      length > 0 ? ToHostCodePage(Cut(text, static_cast<std::size_t>(length))) : failed;
  const std::u16string stateChars(state.c_str());  // up to its terminating zero
  if (!stateChars.empty()) {
    message += " (SQLSTATE " + ToHostCodePage(stateChars) + ")";
  }
  return DatabaseError(message);
}

void Check(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle) {
  if (!SQL_SUCCEEDED(rc)) {
    throw DiagnosticError(rc, type, handle);
  }
}
}  // namespace

OdbcLogQuery::OdbcLogQuery(void* connection, std::size_t rowsPerFetch)
    : connection_(connection), rowsWanted_(std::max<std::size_t>(rowsPerFetch, 1)) {}

void OdbcLogQuery::Close() noexcept {
  statement_.Free();
  eof_ = true;
  rowError_.reset();
}

void OdbcLogQuery::SetFields(std::vector<LogField> fields, std::size_t maxChars) {
  fields_ = std::move(fields);
  maxChars_ = maxChars;
}

void OdbcLogQuery::Open() {
  Close();
  if (connection_ == nullptr) {
    throw NoConnection();
  }
  Check(statement_.Allocate(SQL_HANDLE_STMT, connection_), SQL_HANDLE_DBC, connection_);
  const SQLHSTMT statement = statement_.Get();
  SetRowsPerFetch();

  std::u16string text = FromHostCodePage(sql_);
  const SQLRETURN rc = SQLExecDirectW(statement, Wide(text), static_cast<SQLINTEGER>(text.size()));
  if (rc != SQL_NO_DATA) {
    Check(rc, SQL_HANDLE_STMT, statement);
  }
  const std::vector<std::string> columnKeys = ColumnKeys();
  if (!columnKeys.empty()) {
    BindFields(columnKeys);
    Fetch();
  }
}

// Blocks of rows need the driver to report how many rows each fetch gave; without that, or when
// the driver refuses blocks, a fetch gives one row.
void OdbcLogQuery::SetRowsPerFetch() {
  const SQLHSTMT statement = statement_.Get();
  rowsPerFetch_ = 1;
  if (rowsWanted_ > 1 &&
      SQL_SUCCEEDED(SQLSetStmtAttrW(statement, SQL_ATTR_ROWS_FETCHED_PTR, &rowsFetched_, 0))) {
    const SQLRETURN rc = SQLSetStmtAttrW(statement, SQL_ATTR_ROW_ARRAY_SIZE,
                                         reinterpret_cast<SQLPOINTER>(rowsWanted_), 0);
    if (rc == SQL_SUCCESS) {
      rowsPerFetch_ = rowsWanted_;
    } else if (rc == SQL_SUCCESS_WITH_INFO) {  // the driver took another size
      SQLULEN taken = 0;
      Check(SQLGetStmtAttrW(statement, SQL_ATTR_ROW_ARRAY_SIZE, &taken, 0, nullptr),
            SQL_HANDLE_STMT, statement);
      rowsPerFetch_ = std::max<std::size_t>(taken, 1);
    }
  }
  rowStatus_.assign(rowsPerFetch_, SQL_ROW_SUCCESS);
  SQLSetStmtAttrW(statement, SQL_ATTR_ROW_STATUS_PTR, rowStatus_.data(), 0);
}

// The result's column names, case folded.
std::vector<std::string> OdbcLogQuery::ColumnKeys() {
  const SQLHSTMT statement = statement_.Get();
  SQLSMALLINT count = 0;
  Check(SQLNumResultCols(statement, &count), SQL_HANDLE_STMT, statement);
  std::vector<std::string> keys;
  std::u16string name(kNameChars, u'\0');
  for (SQLUSMALLINT column = 1; column <= count; ++column) {
    SQLSMALLINT length = 0;
    SQLSMALLINT type = 0;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
    SQLSMALLINT nullable = 0;
    auto describe = [&] {
      Check(SQLDescribeColW(statement, column, Wide(name), static_cast<SQLSMALLINT>(name.size()),
                            &length, &type, &size, &digits, &nullable),
            SQL_HANDLE_STMT, statement);
    };
    describe();
    if (static_cast<std::size_t>(length) >= name.size()) {
      name.assign(static_cast<std::size_t>(length) + 1, u'\0');
      describe();
    }
    keys.push_back(UpperAscii(ToHostCodePage(Cut(name, static_cast<std::size_t>(length)))));
  }
  return keys;
}

// Binds each column read once, however often it is named. A name the result lacks binds nothing:
// reading it fails, which happens only when there is a row.
void OdbcLogQuery::BindFields(const std::vector<std::string>& columnKeys) {
  std::vector<std::size_t> boundColumns;  // result column indexes, in binding order
  fieldColumn_.clear();
  for (const LogField& field : fields_) {
    const auto found = std::find(columnKeys.begin(), columnKeys.end(), UpperAscii(field.name));
    if (found == columnKeys.end() || !field.read) {
      fieldColumn_.push_back(found == columnKeys.end() ? kMissing : kNotRead);
      continue;
    }
    const auto column = static_cast<std::size_t>(found - columnKeys.begin());
    const auto bound = std::find(boundColumns.begin(), boundColumns.end(), column);
    fieldColumn_.push_back(static_cast<std::size_t>(bound - boundColumns.begin()));
    if (bound == boundColumns.end()) {
      boundColumns.push_back(column);
    }
  }
  // Room for maxChars_ characters of the host's code page even if each came as a surrogate pair.
  cellChars_ = 2 * maxChars_ + 1;
  cells_.resize(boundColumns.size() * rowsPerFetch_ * cellChars_);
  indicators_.resize(boundColumns.size() * rowsPerFetch_);
  values_.resize(fields_.size());
  const SQLHSTMT statement = statement_.Get();
  for (std::size_t c = 0; c < boundColumns.size(); ++c) {
    Check(SQLBindCol(statement, static_cast<SQLUSMALLINT>(boundColumns[c] + 1), SQL_C_WCHAR,
                     &cells_[c * rowsPerFetch_ * cellChars_],
                     static_cast<SQLLEN>(cellChars_ * sizeof(SQLWCHAR)),
                     &indicators_[c * rowsPerFetch_]),
          SQL_HANDLE_STMT, statement);
  }
}

void OdbcLogQuery::Fetch() {
  const SQLHSTMT statement = statement_.Get();
  row_ = 0;
  rowsFetched_ = 0;
  if (rowError_) {
    const DatabaseError error = *rowError_;
    rowError_.reset();
    throw error;
  }
  const SQLRETURN rc = SQLFetch(statement);
  eof_ = rc == SQL_NO_DATA;
  if (eof_) {
    return;
  }
  // A failed row ends the block. Its error is read now, before another call clears it. Drivers
  // differ after it: one fails the fetch and counts only the rows before, another fetches on and
  // succeeds with a warning. Without a failed row in the status array the fetch failed as a whole.
  const auto failed = std::find(rowStatus_.begin(), rowStatus_.end(), SQL_ROW_ERROR);
  if (!SQL_SUCCEEDED(rc) || failed != rowStatus_.end()) {
    DatabaseError error = DiagnosticError(rc, SQL_HANDLE_STMT, statement);
    if (failed == rowStatus_.begin() || failed == rowStatus_.end()) {
      throw error;
    }
    rowsFetched_ = static_cast<SQLULEN>(failed - rowStatus_.begin());
    rowError_ = std::move(error);
    return;
  }
  if (rowsFetched_ == 0 && rowsPerFetch_ == 1) {
    rowsFetched_ = 1;  // a driver that does not report its one row
  }
  if (rowsFetched_ == 0 || rowsFetched_ > rowsPerFetch_) {
    throw DatabaseError(std::string(kLogQueryName) +
                        ": the driver did not report the rows fetched");
  }
}

void OdbcLogQuery::Next() {
  if (!eof_ && ++row_ == rowsFetched_) {
    Fetch();
  }
}

std::string_view OdbcLogQuery::Field(std::size_t index) {
  if (eof_) {
    throw NoCurrentRow();
  }
  const std::size_t column = fieldColumn_.at(index);
  if (column == kMissing) {
    throw FieldNotFound(fields_[index].name);
  }
  std::string& value = values_[index];
  if (column == kNotRead) {
    value.clear();
    return value;
  }
  const std::size_t cell = column * rowsPerFetch_ + row_;
  const SQLLEN indicator = indicators_[cell];
  if (indicator == SQL_NULL_DATA) {
    value.clear();
    return value;
  }
  // A value that did not fit fills its cell but for the terminating zero.
  const auto cellBytes = static_cast<SQLLEN>(cellChars_ * sizeof(SQLWCHAR));
  const bool cut = indicator == SQL_NO_TOTAL || indicator >= cellBytes;
  const std::size_t chars =
      cut ? cellChars_ - 1 : static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR);
  ToHostCodePage(std::u16string_view(&cells_[cell * cellChars_], chars), value);
  if (value.size() > maxChars_) {
    value.resize(maxChars_);
  }
  return value;
}

void* HostConnection(std::uint32_t connection) {
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(connection));
}
