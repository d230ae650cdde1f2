// The query through which the statistics window reads the host's log: one result at a time, row by
// row, the columns it reads named before the query opens and found by name once.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A database failure; its message is the text the user sees.
class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A column a query reads from each row, found by name with letter case ignored: its values, or only
// that it exists.
struct LogField {
  std::string name;
  bool read = true;
};

class LogQuery {
 public:
  virtual ~LogQuery() = default;
  // Ends the current result, if any; never closes the connection.
  virtual void Close() noexcept = 0;
  virtual void SetSQL(const std::string& text) = 0;
  // The columns Field reads from each row of the queries opened from now on; each value is cut to
  // its first `maxChars` characters.
  virtual void SetFields(std::vector<LogField> fields, std::size_t maxChars) = 0;
  // Runs the query text and stands on its first row; DatabaseError with the database's own
  // message when the text cannot be run.
  virtual void Open() = 0;
  // True past the last row, and while the query is closed.
  virtual bool Eof() const = 0;
  // The current row's value of field `index` (a position in SetFields' list) as text; NULL, and a
  // field that is not read, read as "". Valid until the next call of the query. DatabaseError when
  // the result has no column of that name or there is no current row.
  virtual std::string_view Field(std::size_t index) = 0;
  virtual void Next() = 0;
};

// The component name that prefixes the query's own messages.
inline constexpr const char* kLogQueryName = "LogQuery";

// "LogQuery: Field 'Continent' not found"
DatabaseError FieldNotFound(const std::string& name);
// "LogQuery: no database connection": the host gave no connection to read the log through.
DatabaseError NoConnection();
// "LogQuery: no current row"
DatabaseError NoCurrentRow();

// The query text of the rebuild: every row of the host's log table in callsign order.
std::string LogSelect(const std::string& table);
