#include "io/odbc_log_query.h"

#include <sqlext.h>

#include <algorithm>

#include "io/host_code_page.h"
#include "scoring/text_rules.h"

namespace {
static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "ODBC wide text is UTF-16");

// Most values fit in one piece; longer ones come in several.
constexpr std::size_t kPieceChars = 256;
constexpr std::size_t kMessageChars = 512;
constexpr std::size_t kNameChars = 128;

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

OdbcLogQuery::OdbcLogQuery(void* connection)
    : connection_(connection), buffer_(kPieceChars, u'\0') {}

void OdbcLogQuery::Close() noexcept {
  statement_.Free();
  columnKeys_.clear();
  values_.clear();
  eof_ = true;
}

void OdbcLogQuery::Open() {
  Close();
  if (connection_ == nullptr) {
    throw NoConnection();
  }
  Check(statement_.Allocate(SQL_HANDLE_STMT, connection_), SQL_HANDLE_DBC, connection_);
  const SQLHSTMT statement = statement_.Get();

  std::u16string text = FromHostCodePage(sql_);
  const SQLRETURN rc = SQLExecDirectW(statement, Wide(text), static_cast<SQLINTEGER>(text.size()));
  if (rc != SQL_NO_DATA) {
    Check(rc, SQL_HANDLE_STMT, statement);
  }
  DescribeColumns();
  if (!columnKeys_.empty()) {
    Fetch();
  }
}

void OdbcLogQuery::DescribeColumns() {
  SQLSMALLINT count = 0;
  Check(SQLNumResultCols(statement_.Get(), &count), SQL_HANDLE_STMT, statement_.Get());
  std::u16string name(kNameChars, u'\0');
  for (SQLUSMALLINT column = 1; column <= count; ++column) {
    SQLSMALLINT length = 0;
    SQLSMALLINT type = 0;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
    SQLSMALLINT nullable = 0;
    auto describe = [&] {
      Check(SQLDescribeColW(statement_.Get(), column, Wide(name),
                            static_cast<SQLSMALLINT>(name.size()), &length, &type, &size, &digits,
                            &nullable),
            SQL_HANDLE_STMT, statement_.Get());
    };
    describe();
    if (static_cast<std::size_t>(length) >= name.size()) {
      name.assign(static_cast<std::size_t>(length) + 1, u'\0');
      describe();
    }
    columnKeys_.push_back(FoldCase(ToHostCodePage(Cut(name, static_cast<std::size_t>(length)))));
  }
}

void OdbcLogQuery::Fetch() {
  values_.clear();
  const SQLRETURN rc = SQLFetch(statement_.Get());
  eof_ = rc == SQL_NO_DATA;
  if (!eof_) {
    Check(rc, SQL_HANDLE_STMT, statement_.Get());
  }
}

void OdbcLogQuery::Next() {
  if (!eof_) {
    Fetch();
  }
}

std::size_t OdbcLogQuery::ColumnIndex(const std::string& name) const {
  const std::string key = FoldCase(name);
  for (std::size_t i = 0; i < columnKeys_.size(); ++i) {
    if (columnKeys_[i] == key) {
      return i;
    }
  }
  throw FieldNotFound(name);
}

std::string OdbcLogQuery::FieldByName(const std::string& name) {
  if (eof_) {
    throw NoCurrentRow();
  }
  const std::size_t index = ColumnIndex(name);
  while (values_.size() <= index) {
    values_.push_back(ReadColumn(values_.size()));
  }
  return values_[index];
}

std::string OdbcLogQuery::ReadColumn(std::size_t index) {
  const auto column = static_cast<SQLUSMALLINT>(index + 1);
  const auto pieceBytes = static_cast<SQLLEN>(buffer_.size() * sizeof(SQLWCHAR));
  std::u16string wide;
  for (;;) {
    SQLLEN indicator = 0;
    const SQLRETURN rc =
        SQLGetData(statement_.Get(), column, SQL_C_WCHAR, Wide(buffer_), pieceBytes, &indicator);
    if (rc == SQL_NO_DATA) {
      break;
    }
    Check(rc, SQL_HANDLE_STMT, statement_.Get());
    if (indicator == SQL_NULL_DATA) {
      return {};
    }
    // A piece that did not fit fills the buffer but for its terminating zero.
    const bool cut = indicator == SQL_NO_TOTAL || indicator >= pieceBytes;
    const std::size_t chars =
        cut ? buffer_.size() - 1 : static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR);
    wide.append(buffer_, 0, chars);
    if (rc == SQL_SUCCESS) {
      break;
    }
  }
  return ToHostCodePage(wide);
}

void* HostConnection(std::uint32_t connection) {
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(connection));
}
