#include "scoring/log_query.h"

namespace {
EDatabaseError QueryError(const std::string& text) {
  return EDatabaseError(std::string(kLogQueryName) + ": " + text);
}
}  // namespace

EDatabaseError FieldNotFound(const std::string& name) {
  return QueryError("Field '" + name + "' not found");
}

EDatabaseError NoConnection() {
  return QueryError("no database connection");
}

EDatabaseError NoCurrentRow() {
  return QueryError("no current row");
}

std::string LogSelect(const std::string& table) {
  return "Select * from " + table + " order by CallSign";
}
