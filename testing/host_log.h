// Log rows in the host's table layout, for the rebuild's tests and benchmarks: held in memory
// (MemoryLogQuery) or written to an SQLite file (sqlite_log.h), and read from SQLite with a row
// that fails.
#pragma once

#include <optional>
#include <string>
#include <vector>

// One QSO of the host's log; a null pointer stands for NULL.
struct HostLogRow {
  const char* callSign;
  const char* band;
  const char* mode;
  const char* report;
  const char* continent = "eu";
  const char* mainPrefix = "DL";
  const char* dxccPrefix = "DL";
};

using LogValue = std::optional<std::string>;  // nullopt is NULL

// The columns of the host's log table, in the table's order.
inline const std::vector<std::string>& HostLogColumns() {
  static const std::vector<std::string> columns = {
      "QSOID",     "QSODate",       "QSOTime",          "CallSign",   "DigiBand",
      "QSOMode",   "QSOReportSent", "QSOReportRecived", "MainPrefix", "DXCCPrefix",
      "Continent", "Name",          "Comment"};
  return columns;
}

// The row's values in the order of HostLogColumns().
inline std::vector<LogValue> HostLogValues(const HostLogRow& row, int id) {
  auto value = [](const char* text) { return text ? LogValue(text) : std::nullopt; };
  return {std::to_string(id),
          "2024-05-04",
          "12:34",
          value(row.callSign),
          value(row.band),
          value(row.mode),
          "59",
          value(row.report),
          value(row.mainPrefix),
          value(row.dxccPrefix),
          value(row.continent),
          "",
          std::nullopt};
}

// What a rebuild reads as the log instead of the SQLite table `table`: the band fails (an integer
// overflow) on the row of `callSign`. With the rows in an index's order SQLite computes a row's
// values as it steps to that row, so the error arrives with that row, after the ones before it.
inline std::string LogFailingAt(const std::string& table, const std::string& callSign) {
  return "(select CallSign, QSOMode, QSOReportRecived, DXCCPrefix, MainPrefix, Continent, case "
         "when CallSign = '" +
         callSign + "' then abs(-9223372036854775808) else DigiBand end as DigiBand from " + table +
         ")";
}
