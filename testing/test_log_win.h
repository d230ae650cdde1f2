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

  explicit TestLog(const std::string& table = kTable);  // an empty log table
  ~TestLog();
  TestLog(const TestLog&) = delete;
  TestLog& operator=(const TestLog&) = delete;

  void Add(const LogRow& row) { log_->Insert(row); }
  // The connection handle as the host's record carries it.
  std::uint32_t Connection() const;

 private:
  std::string windowsPath_;
  std::unique_ptr<OdbcLog> log_;
};
