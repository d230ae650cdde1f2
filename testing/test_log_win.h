// The host's log for the Windows tests: an SQLite file in the temporary folder, reached through
// ODBC as the host program reaches it, removed with the object.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/log_table.h"
#include "host/odbc_log_win.h"

class TestLog {
 public:
  static constexpr const char* kTable = "Log";

  // An empty log table; `settings` go to the SQLite driver with the file's name.
  explicit TestLog(const std::string& table = kTable, const std::string& settings = "");
  ~TestLog();
  TestLog(const TestLog&) = delete;
  TestLog& operator=(const TestLog&) = delete;

  void Add(const LogRow& row) { log_->Insert(row); }
  void Execute(const std::string& sql) { log_->Execute(sql); }
  // The connection handle as the host's record carries it.
  std::uint32_t Connection() const;

 private:
  std::string windowsPath_;
  std::unique_ptr<OdbcLog> log_;
};
