// The log query over ODBC, on the connection that the host opened and keeps: the query runs on a
// statement of its own, and closing it never touches the connection. Only the wide-character and
// unsuffixed ODBC functions are used (the narrow ones are unusable under Wine).
//
// The columns read are bound as wide text and fetched in blocks of rows, as many as the driver
// allows (one at a time from a driver that allows no more); the buffers live as long as the query,
// so reading a row allocates nothing once the values have grown to their size. A row the driver
// fails to give inside a block fails the reading when it gets to that row, after the rows before
// it, as a fetch of one row at a time would.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "io/odbc_handle.h"
#include "scoring/log_query.h"

class OdbcLogQuery : public LogQuery {
 public:
  // Small enough that a block's bound values are still in the cache when its rows are read.
  static constexpr std::size_t kRowsPerFetch = 32;

  // `connection` is an SQLHDBC; a null one makes Open report that there is no connection.
  // `rowsPerFetch` is what the query asks the driver for.
  explicit OdbcLogQuery(void* connection, std::size_t rowsPerFetch = kRowsPerFetch);
  // The driver holds the addresses of the buffers.
  OdbcLogQuery(const OdbcLogQuery&) = delete;
  OdbcLogQuery& operator=(const OdbcLogQuery&) = delete;

  void Close() noexcept override;
  void SetSQL(const std::string& text) override { sql_ = text; }
  void SetFields(std::vector<LogField> fields, std::size_t maxChars) override;
  void Open() override;
  bool Eof() const override { return eof_; }
  std::string_view Field(std::size_t index) override;
  void Next() override;

 private:
  void SetRowsPerFetch();
  std::vector<std::string> ColumnKeys();
  void BindFields(const std::vector<std::string>& columnKeys);
  void Fetch();

  void* connection_;
  std::size_t rowsWanted_;
  std::string sql_;
  std::vector<LogField> fields_;
  std::size_t maxChars_ = 0;

  OdbcHandle statement_;
  std::size_t rowsPerFetch_ = 1;  // as the driver took it
  std::size_t cellChars_ = 1;     // a bound value's room, its terminating zero included
  // Per field its bound column; kMissing when the result lacks it, kNotRead when it is not read.
  std::vector<std::size_t> fieldColumn_;
  // Column-wise: bound column c of row r at (c * rowsPerFetch_ + r) * cellChars_; its length or
  // null indicator at c * rowsPerFetch_ + r.
  std::u16string cells_;
  std::vector<SQLLEN> indicators_;
  std::vector<SQLUSMALLINT> rowStatus_;
  SQLULEN rowsFetched_ = 0;
  std::size_t row_ = 0;              // the current row within the fetched block
  std::vector<std::string> values_;  // per field: its value of the current row, as last read
  bool eof_ = true;
  // The error of the row after the block's last, raised when the reading gets there: a fetch of
  // one row at a time fails at that row, after giving the rows before it.
  std::optional<DatabaseError> rowError_;
};

// The SQLHDBC that the host's record carries as a 32-bit address.
void* HostConnection(std::uint32_t connection);
