#include "check/results_table.h"

#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>
#include <utility>

#include "check/findings.h"
#include "check/result_columns.h"
#include "logfiles/band_map.h"
#include "logfiles/json_string.h"
#include "logfiles/printable.h"

namespace {
using Json = nlohmann::ordered_json;

std::string Padded(const std::string& text, std::size_t width, bool right) {
  if (text.size() >= width) {
    return text;
  }
  const std::string blanks(width - text.size(), ' ');
  return right ? blanks + text : text + blanks;
}

bool StandsRight(const ResultColumn& column) {
  return column.shown != Shown::kCall && column.shown != Shown::kLocator;
}

std::string EndOfLine(std::string line) {
  while (!line.empty() && line.back() == ' ') {
    line.pop_back();
  }
  return line + "\n";
}

// Dashes with the group's name in their middle over each group the text table heads.
std::string GroupLine(const std::vector<const ResultColumn*>& columns) {
  std::string line;
  for (std::size_t i = 0; i < columns.size();) {
    const ColumnGroup* group = columns[i]->group;
    if (!group || !group->inText) {
      line += std::string(columns[i]->width + 2, ' ');
      ++i;
      continue;
    }
    std::size_t width = 0;
    for (; i < columns.size() && columns[i]->group == group; ++i) {
      width += columns[i]->width + 2;
    }
    width -= 2;
    const std::string name = std::string(" ") + group->name + " ";
    const std::size_t left = (width - name.size()) / 2;
    line += std::string(left, '-') + name + std::string(width - left - name.size(), '-') + "  ";
  }
  return EndOfLine(line);
}

std::string TextLine(const std::vector<const ResultColumn*>& columns,
                     const std::vector<std::string>& values) {
  std::string line;
  for (std::size_t i = 0; i < values.size(); ++i) {
    line += (i ? "  " : "") + Padded(values[i], columns[i]->width, StandsRight(*columns[i]));
  }
  return EndOfLine(line);
}

std::string TextCell(const ResultColumn& column, const ResultLine& line) {
  const std::string shown = ShownValue(column, line);
  return Printable(column.shown == Shown::kCall && shown.empty() ? "-" : shown);
}

std::string CsvValue(const ResultValue& value) {
  if (const auto* number = std::get_if<std::int64_t>(&value)) {
    return std::to_string(*number);
  }
  if (const auto* text = std::get_if<std::string>(&value)) {
    return CsvField(*text);
  }
  return "";
}

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) {
    line += (&field == &fields.front() ? "" : ",") + field;
  }
  return line + "\n";
}

Json JsonValue(const ResultValue& value) {
  if (const auto* number = std::get_if<std::int64_t>(&value)) {
    return *number;
  }
  if (const auto* text = std::get_if<std::string>(&value)) {
    return JsonText(*text);
  }
  return nullptr;
}

// {"rules":{...},\n"logs":[\n {...},\n {...}\n]}: the library writes each part; a log to a line
// keeps the file readable and its changes easy to compare.
std::string OneLogALine(const Json& rules, const std::vector<Json>& logs) {
  std::string json = "{\"rules\":" + rules.dump() + ",\n\"logs\":[";
  for (std::size_t i = 0; i < logs.size(); ++i) {
    json += (i ? ",\n " : "\n ") + logs[i].dump();
  }
  return json + "\n]}\n";
}

// Where a band stands among the bands: by its lowest frequency; a band text that names no band
// after all that do, by its text.
std::pair<double, std::string> BandOrder(const std::string& band) {
  const AmateurBand* known = BandOfText(band);
  return {known ? known->lowKhz : std::numeric_limits<double>::max(), band};
}
}  // namespace

std::vector<ResultRow> RankResults(const ContestLogs& logs, const CheckResult& result,
                                   const std::vector<std::string>& reports) {
  std::vector<std::size_t> order(logs.logs.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i] = i;
  }
  // Ranked logs, then check logs and logs of bands that do not count, then logs with an error.
  const auto part = [&](std::size_t i) {
    const LogCheck& check = result.logs[i];
    return !logs.logs[i].error.empty() ? 2 : check.checkLog || check.otherBand ? 1 : 0;
  };
  const bool perBand = result.rules.logPerBand;
  const auto band = [&](std::size_t i) {
    return perBand ? BandOrder(logs.logs[i].band) : std::pair<double, std::string>();
  };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (part(a) != part(b) || part(a) == 2) {
      return part(a) < part(b);
    }
    if (band(a) != band(b)) {
      return band(a) < band(b);
    }
    if (part(a) == 0 && result.logs[a].score != result.logs[b].score) {
      return result.logs[a].score > result.logs[b].score;
    }
    return logs.logs[a].stationCall < logs.logs[b].stationCall;
  });
  std::vector<ResultRow> rows;
  std::size_t bandStart = 0;  // where the band of the row in hand begins
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::size_t log = order[i];
    std::size_t place = 0;
    if (part(log) == 0) {
      const bool sameBand = i > 0 && part(order[i - 1]) == 0 && band(order[i - 1]) == band(log);
      bandStart = sameBand ? bandStart : i;
      const bool tie = sameBand && result.logs[order[i - 1]].score == result.logs[log].score;
      place = tie ? rows.back().place : i - bandStart + 1;
    }
    rows.push_back({log, place, reports[log]});
  }
  return rows;
}

std::string ResultsText(const ContestLogs& logs, const CheckResult& result,
                        const std::vector<ResultRow>& rows) {
  const std::vector<const ResultColumn*> columns = ColumnsOf(&ResultColumn::text, result.rules);
  std::vector<std::string> headings;
  for (const ResultColumn* column : columns) {
    headings.push_back(column->text);
  }
  std::string text = GroupLine(columns) + TextLine(columns, headings);
  for (const ResultRow& row : rows) {
    const ResultLine line{logs.logs[row.log], result.logs[row.log], row};
    if (!line.log.error.empty()) {
      text += Padded("-", columns[0]->width, true) + "  " + Printable(line.log.file) +
              ": error: " + Printable(line.log.error) + "\n";
      continue;
    }
    std::vector<std::string> values;
    for (const ResultColumn* column : columns) {
      values.push_back(TextCell(*column, line));
    }
    text += TextLine(columns, values);
  }
  return text;
}

std::string ResultsCsv(const ContestLogs& logs, const CheckResult& result,
                       const std::vector<ResultRow>& rows) {
  std::vector<const ResultColumn*> columns = ColumnsOf(&ResultColumn::csv, result.rules);
  std::stable_partition(columns.begin(), columns.end(),
                        [](const ResultColumn* column) { return !column->lastInCsv; });
  std::vector<std::string> headings;
  for (const ResultColumn* column : columns) {
    headings.push_back(column->csv);
  }
  std::string csv = CsvLine(headings);
  for (const ResultRow& row : rows) {
    const ResultLine line{logs.logs[row.log], result.logs[row.log], row};
    std::vector<std::string> values;
    for (const ResultColumn* column : columns) {
      values.push_back(CsvValue(column->value(line)));
    }
    csv += CsvLine(values);
  }
  return csv;
}

std::string ResultsJson(const ContestLogs& logs, const CheckResult& result,
                        const std::vector<ResultRow>& rows) {
  const std::vector<const ResultColumn*> columns = ColumnsOf(&ResultColumn::json, result.rules);
  std::vector<Json> lines;
  for (const ResultRow& row : rows) {
    const ResultLine line{logs.logs[row.log], result.logs[row.log], row};
    Json json = Json::object();
    for (const ResultColumn* column : columns) {
      json[Json::json_pointer(column->json)] = JsonValue(column->value(line));
    }
    lines.push_back(std::move(json));
  }
  return OneLogALine(RulesJson(result.rules), lines);
}
