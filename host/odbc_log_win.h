// The host's log: an ODBC connection to an SQLite file holding the log table, as the logging
// program keeps it open for its plug-ins.
#pragma once

#include <string>
#include <vector>

#include "host/log_table.h"
#include "io/odbc_handle.h"

class OdbcLog {
 public:
  // Connects to the file (a Unix path: the SQLite driver is a Unix library), with the driver's
  // further `settings` if any ("Key=Value;..."), and creates the table if it is missing. Throws
  // std::runtime_error with the driver's message.
  OdbcLog(const std::string& path, const std::string& table, const std::string& settings = "");
  ~OdbcLog();
  OdbcLog(const OdbcLog&) = delete;
  OdbcLog& operator=(const OdbcLog&) = delete;

  // The connection handle the plug-in is given.
  SQLHDBC Connection() const { return connection_.Get(); }
  long CountRows();
  void Insert(const LogRow& row);
  // Inserts the rows in one transaction: a commit per row takes minutes for a large log under Wine.
  void InsertAll(const std::vector<LogRow>& rows);
  // Runs one statement on the connection. Throws std::runtime_error with the driver's message.
  void Execute(const std::string& sql);

 private:
  std::string table_;
  OdbcHandle environment_;
  OdbcHandle connection_;
};
