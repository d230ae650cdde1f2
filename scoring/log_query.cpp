#include "scoring/log_query.h"

namespace {
DatabaseError QueryError(const std::string& text) {
  return DatabaseError(std::string(kLogQueryName) + ": " + text);
}
}  // namespace

DatabaseError FieldNotFound(const std::string& name) {
  return QueryError("Field '" + name + "' not found");
}

DatabaseError NoConnection() {
  return QueryError("no database connection");
}

DatabaseError NoCurrentRow() {
  return QueryError("no current row");
}

std::string LogSelect(const std::string& table) {
  return "Select * from " + table + " order by CallSign";
}
