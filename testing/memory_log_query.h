// A log query over a table held in memory, for the core's tests.
#pragma once

#include <string>
#include <vector>

#include "scoring/log_query.h"
#include "scoring/text_rules.h"
#include "testing/host_log.h"

class MemoryLogQuery : public LogQuery {
 public:
  MemoryLogQuery() = default;
  // A table in the host's layout holding `rows`, in the order given (the order the database
  // would deliver them in).
  explicit MemoryLogQuery(const std::vector<HostLogRow>& logRows) : columns(HostLogColumns()) {
    int id = 0;
    for (const HostLogRow& row : logRows) {
      std::vector<std::string> values;
      for (const LogValue& value : HostLogValues(row, ++id)) {
        values.push_back(value.value_or(""));
      }
      rows.push_back(values);
    }
  }

  // Removes a column with its values, as from a table that lacks it.
  void DropColumn(const std::string& name) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (columns[i] == name) {
        columns.erase(columns.begin() + static_cast<std::ptrdiff_t>(i));
        for (auto& values : rows) {
          values.erase(values.begin() + static_cast<std::ptrdiff_t>(i));
        }
        return;
      }
    }
  }

  void Close() noexcept override { open = false; }
  void SetSQL(const std::string& text) override { sql = text; }
  void SetFields(std::vector<LogField> requested, std::size_t maxChars) override {
    fields = std::move(requested);
    fieldChars = maxChars;
  }
  void Open() override {
    Close();
    ++opens;
    if (!openError.empty()) {
      throw DatabaseError(openError);
    }
    open = true;
    row = 0;
  }
  bool Eof() const override { return !open || row >= rows.size(); }
  std::string_view Field(std::size_t index) override {
    if (Eof()) {
      throw NoCurrentRow();
    }
    const LogField& field = fields.at(index);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (UpperAscii(columns[i]) == UpperAscii(field.name)) {
        return field.read ? std::string_view(rows[row][i]).substr(0, fieldChars) : "";
      }
    }
    throw FieldNotFound(field.name);
  }
  void Next() override {
    if (!Eof()) {
      ++row;
    }
  }

  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
  std::string openError;  // Open fails with this message when set
  std::string sql;        // the last query text set
  std::vector<LogField> fields;
  std::size_t fieldChars = 0;
  int opens = 0;
  bool open = false;
  std::size_t row = 0;
};
