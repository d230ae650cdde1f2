// The host's log as an SQLite file read through the SQLite ODBC driver, the way the DLL reads the
// host's database: for the native ODBC tests and benchmarks.
#pragma once

#include <string>
#include <vector>

#include "io/odbc_handle.h"
#include "testing/host_log.h"

// A fresh SQLite file in a temporary folder of its own; both are removed with the object.
class TempSqliteFile {
 public:
  TempSqliteFile();
  ~TempSqliteFile();
  TempSqliteFile(const TempSqliteFile&) = delete;
  TempSqliteFile& operator=(const TempSqliteFile&) = delete;

  const std::string& Path() const { return path_; }
  // Runs SQL statements directly on the file; throws std::runtime_error with SQLite's message.
  void Execute(const std::string& sql) const;
  // Creates `table` in the host's layout, leaving out the column `without` if given; `collation`
  // is added to the CallSign column ("NOCASE" for a case-blind callsign order).
  void CreateLogTable(const std::string& table, const std::string& without = "",
                      const std::string& collation = "") const;
  void InsertRows(const std::string& table, const std::vector<HostLogRow>& rows,
                  const std::string& without = "") const;

 private:
  std::string folder_;
  std::string path_;
};

// An ODBC connection to an SQLite file, standing in for the one the host holds.
class OdbcSqliteConnection {
 public:
  explicit OdbcSqliteConnection(const std::string& path);
  ~OdbcSqliteConnection();
  OdbcSqliteConnection(const OdbcSqliteConnection&) = delete;
  OdbcSqliteConnection& operator=(const OdbcSqliteConnection&) = delete;

  void* Handle() const { return connection_.Get(); }

 private:
  OdbcHandle environment_;
  OdbcHandle connection_;
};
