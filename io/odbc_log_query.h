// The log query over ODBC, on the connection that the host opened and keeps: the query runs on a
// statement of its own, and closing it never touches the connection. Only the wide-character and
// unsuffixed ODBC functions are used (the narrow ones are unusable under Wine).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "io/odbc_handle.h"
#include "scoring/log_query.h"

class OdbcLogQuery : public LogQuery {
 public:
  // `connection` is an SQLHDBC; a null one makes Open report that there is no connection.
  explicit OdbcLogQuery(void* connection);

  void Close() noexcept override;
  void SetSQL(const std::string& text) override { sql_ = text; }
  void Open() override;
  bool Eof() const override { return eof_; }
  std::string FieldByName(const std::string& name) override;
  void Next() override;

 private:
  void DescribeColumns();
  void Fetch();
  std::size_t ColumnIndex(const std::string& name) const;
  std::string ReadColumn(std::size_t index);

  void* connection_;
  std::string sql_;
  OdbcHandle statement_;
  std::vector<std::string> columnKeys_;  // the result's column names, case folded
  // The current row's columns read so far, from the first on: drivers need not allow reading
  // them out of order, so a column is read together with every one before it.
  std::vector<std::string> values_;
  std::u16string buffer_;
  bool eof_ = true;
};

// The SQLHDBC that the host's record carries as a 32-bit address.
void* HostConnection(std::uint32_t connection);
