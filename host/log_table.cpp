#include "host/log_table.h"

namespace {

std::string QuotedColumnList(const char* suffix) {
  std::string list;
  for (const char* column : kLogColumns) {
    list += (list.empty() ? "" : ", ") + QuoteIdentifier(column) + suffix;
  }
  return list;
}

}  // namespace

std::array<const std::string*, 7> ColumnValues(const LogRow& row) {
  return {&row.CallSign,   &row.DigiBand,   &row.QSOMode,  &row.QSOReportRecived,
          &row.DXCCPrefix, &row.MainPrefix, &row.Continent};
}

std::string QuoteIdentifier(const std::string& name) {
  std::string quoted = "\"";
  for (char c : name) {
    quoted += (c == '"') ? "\"\"" : std::string(1, c);
  }
  return quoted + "\"";
}

std::string CreateTableStatement(const std::string& table) {
  return "CREATE TABLE IF NOT EXISTS " + QuoteIdentifier(table) + " (" + QuotedColumnList(" TEXT") +
         ")";
}

std::string InsertStatement(const std::string& table) {
  std::string placeholders;
  for (std::size_t i = 0; i < kLogColumns.size(); ++i) {
    placeholders += i == 0 ? "?" : ", ?";
  }
  return "INSERT INTO " + QuoteIdentifier(table) + " (" + QuotedColumnList("") + ") VALUES (" +
         placeholders + ")";
}

std::string CountStatement(const std::string& table) {
  return "SELECT COUNT(*) FROM " + QuoteIdentifier(table);
}
