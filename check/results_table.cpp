#include "check/results_table.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "check/findings.h"
#include "check/log_report.h"
#include "logfiles/json_string.h"
#include "logfiles/printable.h"

namespace {
std::string Number(std::int64_t value) {
  return std::to_string(value);
}

std::string SignedMinutes(std::int64_t seconds) {
  const std::int64_t minutes = ClockMinutes(seconds);
  return (minutes > 0 ? "+" : "") + std::to_string(minutes);
}

std::string CallOf(const CheckLog& log) {
  return Printable(log.stationCall.empty() ? "-" : log.stationCall);
}

std::string Padded(const std::string& text, std::size_t width, bool right) {
  if (text.size() >= width) {
    return text;
  }
  const std::string blanks(width - text.size(), ' ');
  return right ? blanks + text : text + blanks;
}

// "not_in_log": a class as the CSV columns and JSON keys name it.
std::string ClassColumn(QsoClass qsoClass) {
  std::string name(ClassKey(qsoClass));
  for (char& c : name) {
    c = c == '-' ? '_' : c;
  }
  return name;
}

std::size_t ClassCount(const LogCheck& check, QsoClass qsoClass) {
  return check.classes[static_cast<std::size_t>(qsoClass)];
}

// The text columns: name, width, and whether the values stand to the right.
struct Column {
  const char* name;
  std::size_t width;
  bool right;
};

constexpr Column kColumns[] = {
    {"Place", 5, true},  {"Call", 10, false}, {"Loc", 6, false},     {"QSOs", 6, true},
    {"Points", 8, true}, {"Fields", 6, true}, {"Score", 8, true},    {"QSOs", 6, true},
    {"Points", 8, true}, {"Fields", 6, true}, {"Penalty", 7, true},  {"Score", 8, true},
    {"Clock", 5, true},  {"NIL", 4, true},    {"BustCall", 8, true}, {"BustLoc", 7, true},
    {"Unique", 6, true},
};

// Where the claimed and the checked columns stand.
struct ColumnGroup {
  std::size_t first;
  std::size_t last;
  const char* name;
};

constexpr ColumnGroup kGroups[] = {{3, 6, "claimed"}, {7, 11, "checked"}};

std::string GroupLine() {
  std::string line;
  std::size_t column = 0;
  for (const ColumnGroup& group : kGroups) {
    for (; column < group.first; ++column) {
      line += std::string(kColumns[column].width + 2, ' ');
    }
    std::size_t width = 0;
    for (; column <= group.last; ++column) {
      width += kColumns[column].width + 2;
    }
    width -= 2;
    const std::string name = std::string(" ") + group.name + " ";
    const std::size_t left = (width - name.size()) / 2;
    line += std::string(left, '-') + name + std::string(width - left - name.size(), '-') + "  ";
  }
  while (!line.empty() && line.back() == ' ') {
    line.pop_back();
  }
  return line + "\n";
}

// {"rules":{...},\n"logs":[\n {...},\n {...}\n]}: the library writes each part; a log to a line
// keeps the file readable and its changes easy to compare.
std::string OneLogALine(const nlohmann::ordered_json& rules,
                        const std::vector<nlohmann::ordered_json>& logs) {
  std::string json = "{\"rules\":" + rules.dump() + ",\n\"logs\":[";
  for (std::size_t i = 0; i < logs.size(); ++i) {
    json += (i ? ",\n " : "\n ") + logs[i].dump();
  }
  return json + "\n]}\n";
}

std::string TextLine(const std::vector<std::string>& values) {
  std::string line;
  for (std::size_t i = 0; i < values.size(); ++i) {
    line += (i ? "  " : "") + Padded(values[i], kColumns[i].width, kColumns[i].right);
  }
  while (!line.empty() && line.back() == ' ') {
    line.pop_back();
  }
  return line + "\n";
}
}  // namespace

std::vector<ResultRow> RankResults(const ContestLogs& logs, const CheckResult& result,
                                   const std::vector<std::string>& reports) {
  std::vector<std::size_t> order(logs.logs.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i] = i;
  }
  const auto failed = [&](std::size_t i) { return !logs.logs[i].error.empty(); };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (failed(a) || failed(b)) {
      return !failed(a) && failed(b);
    }
    if (result.logs[a].score != result.logs[b].score) {
      return result.logs[a].score > result.logs[b].score;
    }
    return logs.logs[a].stationCall < logs.logs[b].stationCall;
  });
  std::vector<ResultRow> rows;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::size_t log = order[i];
    std::size_t place = 0;
    if (!failed(log)) {
      const bool tie = i > 0 && result.logs[order[i - 1]].score == result.logs[log].score;
      place = tie ? rows.back().place : i + 1;
    }
    rows.push_back({log, place, reports[log]});
  }
  return rows;
}

std::string ResultsText(const ContestLogs& logs, const CheckResult& result,
                        const std::vector<ResultRow>& rows) {
  std::string text = GroupLine();
  std::vector<std::string> names;
  for (const Column& column : kColumns) {
    names.push_back(column.name);
  }
  text += TextLine(names);
  for (const ResultRow& row : rows) {
    const CheckLog& log = logs.logs[row.log];
    const LogCheck& check = result.logs[row.log];
    if (!log.error.empty()) {
      text += Padded("-", kColumns[0].width, true) + "  " + Printable(log.file) +
              ": error: " + Printable(log.error) + "\n";
      continue;
    }
    text += TextLine(
        {Number(static_cast<std::int64_t>(row.place)), CallOf(log), Printable(log.ownLocator),
         Number(log.claimed.qsos), Number(log.claimed.points), Number(log.claimed.fields),
         Number(log.claimed.score), Number(check.checked.qsos), Number(check.checked.points),
         Number(check.checked.fields), Number(check.penalty), Number(check.score),
         SignedMinutes(check.clock.offset), std::to_string(ClassCount(check, QsoClass::kNotInLog)),
         std::to_string(ClassCount(check, QsoClass::kBustedCall)),
         std::to_string(ClassCount(check, QsoClass::kBustedLocator)),
         std::to_string(ClassCount(check, QsoClass::kUnique))});
  }
  return text;
}

std::string ResultsCsv(const ContestLogs& logs, const CheckResult& result,
                       const std::vector<ResultRow>& rows) {
  std::string csv =
      "place,call,locator,file,claimed_qsos,claimed_points,claimed_fields,claimed_score,"
      "checked_qsos,checked_points,checked_fields,penalty,checked_score,clock_offset_seconds";
  for (QsoClass qsoClass : kAllClasses) {
    csv += "," + ClassColumn(qsoClass);
  }
  csv += ",report,error\n";
  for (const ResultRow& row : rows) {
    const CheckLog& log = logs.logs[row.log];
    const LogCheck& check = result.logs[row.log];
    csv += (row.place ? Number(static_cast<std::int64_t>(row.place)) : "") + "," +
           CsvField(log.stationCall) + "," + CsvField(log.ownLocator) + "," + CsvField(log.file) +
           "," + Number(log.claimed.qsos) + "," + Number(log.claimed.points) + "," +
           Number(log.claimed.fields) + "," + Number(log.claimed.score) + "," +
           Number(check.checked.qsos) + "," + Number(check.checked.points) + "," +
           Number(check.checked.fields) + "," + Number(check.penalty) + "," + Number(check.score) +
           "," + Number(check.clock.offset);
    for (QsoClass qsoClass : kAllClasses) {
      csv += "," + std::to_string(ClassCount(check, qsoClass));
    }
    csv += "," + CsvField(row.report) + "," + CsvField(log.error) + "\n";
  }
  return csv;
}

std::string ResultsJson(const ContestLogs& logs, const CheckResult& result,
                        const std::vector<ResultRow>& rows, const CheckRules& rules) {
  using Json = nlohmann::ordered_json;
  const auto tally = [](const ScoreTally& t) {
    return Json{{"qsos", t.qsos}, {"points", t.points}, {"fields", t.fields}};
  };
  std::vector<Json> lines;
  for (const ResultRow& row : rows) {
    const CheckLog& log = logs.logs[row.log];
    const LogCheck& check = result.logs[row.log];
    Json line = Json::object();
    line["place"] = row.place ? Json(row.place) : Json();
    line["call"] = JsonText(log.stationCall);
    line["locator"] = JsonText(log.ownLocator);
    line["file"] = JsonText(log.file);
    line["format"] = JsonText(log.format);
    line["report"] = JsonText(row.report);
    line["claimed"] = tally(log.claimed);
    line["claimed"]["score"] = log.claimed.score;
    line["checked"] = tally(check.checked);
    line["checked"]["penalty"] = check.penalty;
    line["checked"]["score"] = check.score;
    line["clock_offset_seconds"] = check.clock.offset;
    line["clock_basis"] = check.clock.basis;
    for (QsoClass qsoClass : kAllClasses) {
      line["classes"][ClassColumn(qsoClass)] = ClassCount(check, qsoClass);
    }
    line["error"] = log.error.empty() ? Json() : JsonText(log.error);
    lines.push_back(std::move(line));
  }
  return OneLogALine(RulesJson(rules), lines);
}
