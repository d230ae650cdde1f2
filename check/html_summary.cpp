#include "check/html_summary.h"

#include <array>

#include "check/result_columns.h"
#include "logfiles/printable.h"
#include "logfiles/utf8.h"

namespace {
const char* const kStyle =
    "body{font-family:sans-serif;margin:1.5em;color:#222}"
    "h1{font-size:1.4em;margin:0 0 .4em}"
    "p{margin:.3em 0}"
    "table{border-collapse:collapse;margin-top:1em;font-size:.9em}"
    "th,td{padding:.25em .6em;border-bottom:1px solid #ddd}"
    "th{background:#f0f3f7;text-align:right}"
    "th.group{text-align:center;border-bottom:2px solid #9ab}"
    "td{text-align:right;font-variant-numeric:tabular-nums}"
    "td.call,td.loc,th.call,th.loc{text-align:left}"
    "td.score{font-weight:bold}"
    "td.off{color:#b00}"
    "tr:nth-child(even) td{background:#fafbfc}"
    "tr.error td{color:#b00;text-align:left}"
    ".classes span{display:inline-block;margin-right:1.2em}";

// ' class="call"', or nothing for no kind.
std::string ClassAttribute(const char* kind) {
  return *kind ? std::string(" class=\"") + kind + "\"" : "";
}

std::string Cell(const std::string& text, const char* kind = "") {
  return "<td" + ClassAttribute(kind) + ">" + HtmlText(text) + "</td>";
}

// Texts stand to the left, numbers to the right (the style's default).
const char* LeftKind(const ResultColumn& column) {
  switch (column.shown) {
    case Shown::kCall:
      return "call";
    case Shown::kLocator:
      return "loc";
    default:
      return "";
  }
}

// The style class of a cell: left for a text, bold for the score, red for a clock that is off.
const char* CellKind(const ResultColumn& column, const std::string& shown) {
  if (column.shown == Shown::kScore) {
    return "score";
  }
  if (column.shown == Shown::kClock) {
    return shown == "0" ? "" : "off";
  }
  return LeftKind(column);
}

// A heading over each group, spanning its columns, and an empty one over each run of others.
std::string GroupHeadings(const std::vector<const ResultColumn*>& columns) {
  std::string html = "<tr>";
  for (std::size_t i = 0; i < columns.size();) {
    const ColumnGroup* group = columns[i]->group;
    std::size_t count = 0;
    for (; i < columns.size() && columns[i]->group == group; ++i) {
      ++count;
    }
    html += "<th" + ClassAttribute(group ? "group" : "") +
            (count > 1 ? " colspan=\"" + std::to_string(count) + "\"" : "") + ">" +
            (group ? HtmlText(group->name) : "") + "</th>";
  }
  return html + "</tr>\n";
}

std::string Headings(const std::vector<const ResultColumn*>& columns) {
  std::string html = "<tr>";
  for (const ResultColumn* column : columns) {
    html += "<th" + ClassAttribute(LeftKind(*column)) + ">" + HtmlText(column->html) + "</th>";
  }
  return html + "</tr>\n";
}

// The classes the rules can give, each with its count and share of all QSOs.
std::string ClassTotals(const CheckResult& result) {
  std::array<std::size_t, kQsoClassCount> totals{};
  std::size_t all = 0;
  for (const LogCheck& check : result.logs) {
    for (std::size_t i = 0; i < kQsoClassCount; ++i) {
      totals[i] += check.classes[i];
      all += check.classes[i];
    }
  }
  std::string html = "<p class=\"classes\">";
  for (QsoClass qsoClass : kAllClasses) {
    if (!RulesCanGive(qsoClass, result.rules)) {
      continue;
    }
    const std::size_t count = totals[static_cast<std::size_t>(qsoClass)];
    char share[16];
    std::snprintf(share, sizeof share, "%.1f%%", all ? 100.0 * count / all : 0.0);
    html += "<span>" + HtmlText(std::string(ClassName(qsoClass))) + ": <b>" +
            std::to_string(count) + "</b> (" + share + ")</span>";
  }
  return html + "</p>\n";
}

std::string RulesLine(const CheckRules& rules) {
  return "<p>Rules: " + HtmlText(RulesSummary(rules)) + ".</p>\n";
}

std::string Row(const std::vector<const ResultColumn*>& columns, const ResultLine& line) {
  const CheckLog& log = line.log;
  const std::string link = "<a href=\"" + HtmlText(line.row.report) + "\">" +
                           HtmlText(log.stationCall.empty() ? log.file : log.stationCall) + "</a>";
  if (!log.error.empty()) {
    return "<tr class=\"error\"><td></td><td class=\"call\">" + link + "</td><td colspan=\"" +
           std::to_string(columns.size() - 2) + "\">" + HtmlText(log.file + ": " + log.error) +
           "</td></tr>\n";
  }
  std::string html = "<tr>";
  for (const ResultColumn* column : columns) {
    const std::string shown = ShownValue(*column, line);
    html += column->shown == Shown::kCall ? "<td class=\"call\">" + link + "</td>"
                                          : Cell(shown, CellKind(*column, shown));
  }
  return html + "</tr>\n";
}
}  // namespace

std::string HtmlText(std::string_view text) {
  std::string html;
  for (char c : Utf8Text(Printable(text))) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += c;
    }
  }
  return html;
}

std::string HtmlSummary(const ContestLogs& logs, const CheckResult& result,
                        const std::vector<ResultRow>& rows) {
  std::size_t qsos = logs.qsos.size();
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>Marovinta: checked results</title>\n<style>" +
      std::string(kStyle) + "</style>\n</head>\n<body>\n<h1>Checked results</h1>\n<p>" +
      std::to_string(logs.logs.size()) + " logs, " + std::to_string(qsos) +
      " QSOs. Each call links to the report on its log.</p>\n" + ClassTotals(result) +
      RulesLine(result.rules) + "<table>\n";
  const std::vector<const ResultColumn*> columns = ColumnsOf(&ResultColumn::html, result.rules);
  html += GroupHeadings(columns) + Headings(columns);
  for (const ResultRow& row : rows) {
    html += Row(columns, {logs.logs[row.log], result.logs[row.log], row});
  }
  return html + "</table>\n</body>\n</html>\n";
}
