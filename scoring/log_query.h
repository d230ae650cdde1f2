// The query through which the statistics window reads the host's log: one result at a time, row by
// row, each column fetched by its name as text.
#pragma once

#include <stdexcept>
#include <string>

// A database failure; its message is the text the user sees.
class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class LogQuery {
 public:
  virtual ~LogQuery() = default;
  // Ends the current result, if any; never closes the connection.
  virtual void Close() noexcept = 0;
  virtual void SetSQL(const std::string& text) = 0;
  // Runs the query text and stands on its first row; DatabaseError with the database's own
  // message when the text cannot be run.
  virtual void Open() = 0;
  // True past the last row, and while the query is closed.
  virtual bool Eof() const = 0;
  // The current row's column, found by name with letter case ignored; NULL reads as "".
  // DatabaseError when there is no such column or no current row.
  virtual std::string FieldByName(const std::string& name) = 0;
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
