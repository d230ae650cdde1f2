// The columns of the check's results, each once: what each output heads it, where its value comes
// from and how the text table and the HTML page show it. The text table, results.csv,
// results.json and the HTML page all walk this one table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "check/contest_check.h"

struct ResultRow;

// What a column's value is taken from: one log's row of the results.
struct ResultLine {
  const CheckLog& log;
  const LogCheck& check;
  const ResultRow& row;
};

// A value: none (the place of a log with an error, an empty error), a whole number, or a text.
using ResultValue = std::variant<std::monostate, std::int64_t, std::string>;

// How the text table and the HTML page show a column's value (for a column that is not there,
// kNumber).
enum class Shown {
  kNumber,   // to the right
  kCall,     // to the left; on the HTML page a link to the log's report
  kLocator,  // to the left
  kScore,    // a number, in bold on the HTML page
  kClock,    // seconds shown as whole minutes with their sign; red on the HTML page when not 0
};

// A heading over neighbouring columns; the text table has room only for some.
struct ColumnGroup {
  const char* name;
  bool inText;
};

struct ResultColumn {
  std::string csv;  // its heading in results.csv; empty: not there
  std::string
      json;  // its place in results.json as a JSON pointer, "/claimed/qsos"; empty: not there
  std::string text;  // its heading in the text table; empty: neither there nor on the HTML page
  std::string html;  // its heading on the HTML page
  std::size_t width = 0;  // in the text table
  Shown shown = Shown::kNumber;
  const ColumnGroup* group = nullptr;  // the heading over it, if any
  std::function<ResultValue(const ResultLine&)> value;
  // results.csv lists the texts a program reads by name (the report's path, the error) after the
  // numbers it reads by position; results.json keeps the table's order.
  bool lastInCsv = false;
  // Whether the column is there for a check by these rules; empty: always.
  std::function<bool(const CheckRules&)> there = nullptr;
};

// Every column, in the order the outputs list them.
const std::vector<ResultColumn>& ResultColumns();

// The columns of one output for a check by `rules`, in order: those there with a heading for it,
// ColumnsOf(&ResultColumn::csv, rules).
std::vector<const ResultColumn*> ColumnsOf(std::string ResultColumn::*heading,
                                           const CheckRules& rules);

// The value as the text table and the HTML page show it, before their escaping: a number, a text,
// the clock in signed minutes ("+3", "0", "-12").
std::string ShownValue(const ResultColumn& column, const ResultLine& line);
