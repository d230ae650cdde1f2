#include "check/html_summary.h"

#include <array>

#include "check/log_report.h"

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

std::string Cell(const std::string& text, const char* kind = "") {
  return std::string("<td") + (*kind ? std::string(" class=\"") + kind + "\"" : "") + ">" +
         HtmlText(text) + "</td>";
}

std::string Number(std::int64_t value) {
  return std::to_string(value);
}

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

std::string Row(const ContestLogs& logs, const CheckResult& result, const ResultRow& row) {
  const CheckLog& log = logs.logs[row.log];
  const LogCheck& check = result.logs[row.log];
  const std::string link = "<a href=\"" + HtmlText(row.report) + "\">" +
                           HtmlText(log.stationCall.empty() ? log.file : log.stationCall) + "</a>";
  if (!log.error.empty()) {
    return "<tr class=\"error\"><td></td><td class=\"call\">" + link + "</td><td colspan=\"15\">" +
           HtmlText(log.file + ": " + log.error) + "</td></tr>\n";
  }
  const auto count = [&](QsoClass qsoClass) {
    return std::to_string(check.classes[static_cast<std::size_t>(qsoClass)]);
  };
  const std::int64_t clock = ClockMinutes(check.clock.offset);
  return "<tr>" + Cell(Number(static_cast<std::int64_t>(row.place))) + "<td class=\"call\">" +
         link + "</td>" + Cell(log.ownLocator, "loc") + Cell(Number(log.claimed.qsos)) +
         Cell(Number(log.claimed.points)) + Cell(Number(log.claimed.fields)) +
         Cell(Number(log.claimed.score)) + Cell(Number(check.checked.qsos)) +
         Cell(Number(check.checked.points)) + Cell(Number(check.checked.fields)) +
         Cell(Number(check.penalty)) + Cell(Number(check.score), "score") +
         Cell((clock > 0 ? "+" : "") + Number(clock), clock ? "off" : "") +
         Cell(count(QsoClass::kNotInLog)) + Cell(count(QsoClass::kBustedCall)) +
         Cell(count(QsoClass::kBustedLocator)) + Cell(count(QsoClass::kUnique)) + "</tr>\n";
}
}  // namespace

std::string HtmlText(const std::string& text) {
  std::string html;
  for (char c : text) {
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
                        const std::vector<ResultRow>& rows, const CheckRules& rules) {
  std::size_t qsos = logs.qsos.size();
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>Marovinta: checked results</title>\n<style>" +
      std::string(kStyle) + "</style>\n</head>\n<body>\n<h1>Checked results</h1>\n<p>" +
      std::to_string(logs.logs.size()) + " logs, " + std::to_string(qsos) +
      " QSOs. Each call links to the report on its log.</p>\n" + ClassTotals(result) +
      RulesLine(rules) +
      "<table>\n<tr><th colspan=\"3\"></th><th class=\"group\" colspan=\"4\">claimed</th>"
      "<th class=\"group\" colspan=\"5\">checked</th><th></th>"
      "<th class=\"group\" colspan=\"4\">not confirmed</th></tr>\n"
      "<tr><th>Place</th><th class=\"call\">Call</th><th class=\"loc\">Locator</th>"
      "<th>QSOs</th><th>Points</th><th>Fields</th><th>Score</th>"
      "<th>QSOs</th><th>Points</th><th>Fields</th><th>Penalty</th><th>Score</th>"
      "<th>Clock (min)</th><th>Not in log</th><th>Busted call</th><th>Busted locator</th>"
      "<th>Unique</th></tr>\n";
  for (const ResultRow& row : rows) {
    html += Row(logs, result, row);
  }
  return html + "</table>\n</body>\n</html>\n";
}
