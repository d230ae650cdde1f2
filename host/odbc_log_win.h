// The host's log: an ODBC connection to an SQLite file holding the log table, as the logging
// program keeps it open for its plug-ins.
#pragma once

#include <string>

#include "host/log_table.h"
#include "io/odbc_handle.h"

class OdbcLog {
 public:
  // Connects to the file (a Unix path: the SQLite driver is a Unix library) and creates the table
  // if it is missing. Throws std::runtime_error with the driver's message.
  OdbcLog(const std::string& path, const std::string& table);
  ~OdbcLog();
  OdbcLog(const OdbcLog&) = delete;
  OdbcLog& operator=(const OdbcLog&) = delete;

  // The connection handle the plug-in is given.
  SQLHDBC Connection() const { return connection_.Get(); }
  long CountRows();
  void Insert(const LogRow& row);

 private:
  void Execute(const std::string& sql);

  std::string table_;
  OdbcHandle environment_;
  OdbcHandle connection_;
};
