// The host's log table: the seven text columns the plug-in reads, and the statements that make it.
#pragma once

#include <array>
#include <string>

// One logged QSO, one member per column, in the order of kLogColumns.
struct LogRow {
  std::string CallSign;
  std::string DigiBand;
  std::string QSOMode;
  std::string QSOReportRecived;
  std::string DXCCPrefix;
  std::string MainPrefix;
  std::string Continent;
};

// The table the host and the sample logs use unless told otherwise.
inline constexpr const char* kDefaultLogTable = "Log";

inline constexpr std::array<const char*, 7> kLogColumns = {
    "CallSign", "DigiBand", "QSOMode", "QSOReportRecived", "DXCCPrefix", "MainPrefix", "Continent"};

// The row's values in the order of kLogColumns.
std::array<const std::string*, 7> ColumnValues(const LogRow& row);

// A table or column name in double quotes, inner quotes doubled.
std::string QuoteIdentifier(const std::string& name);

// Creates the table with every column as text; leaves an existing table as it is.
std::string CreateTableStatement(const std::string& table);

// Inserts one row; the values are the seven parameters, in the order of kLogColumns.
std::string InsertStatement(const std::string& table);

std::string CountStatement(const std::string& table);
