#include "check/ubn_report.h"

#include <algorithm>
#include <array>
#include <vector>

#include "check/logged_exchange.h"
#include "check/qso_text.h"
#include "check/report_wording.h"
#include "check/rule_values.h"
#include "check/rules_scoring.h"
#include "logfiles/printable.h"

namespace {
// The report's sections, in their order: the classes of the QSOs that are not simply confirmed
// (not checkable ones count, and are left out).
struct UbnSection {
  QsoClass qsoClass;
  const char* title;
};

constexpr UbnSection kSections[] = {
    {QsoClass::kUnique, "Unique"},
    {QsoClass::kBustedCall, "Busted calls"},
    {QsoClass::kBustedLocator, "Busted locators"},
    {QsoClass::kBustedExchange, "Busted exchanges"},
    {QsoClass::kNotInLog, "Not in log"},
    {QsoClass::kOutOfPeriod, "Out of period"},
    {QsoClass::kDuplicate, "Duplicates"},
};

// A QSO's line: date, time, band, call, what was logged, what is correct, points lost.
constexpr std::size_t kColumnCount = 7;
using QsoRow = std::array<std::string, kColumnCount>;
using Widths = std::array<std::size_t, kColumnCount>;
const QsoRow kHeadings = {"Date", "Time", "Band", "Call", "Logged", "Correct", "Lost"};
constexpr std::size_t kLost = 6;  // the one column of numbers, which stands right
constexpr std::size_t kLabelWidth = 9;

// What the QSO cost: its points where the log claimed them and they do not count, and the penalty
// the rules set for its class.
std::int64_t PointsLost(const ContestLogs& logs, const CheckRules& rules, std::uint32_t q,
                        QsoClass qsoClass) {
  const CheckQso& qso = logs.qsos[q];
  const std::int64_t points = QsoPoints(logs, qso, rules);
  // The engine's claimed score leaves out only its own duplicates, the rules' those the log marks.
  const bool claimed = ScoresAsTheEngine(rules) ? qso.claimed >= 0 : !IsDuplicate(qso);
  return (claimed && !Counts(qsoClass, rules) ? points : 0) +
         PenaltyFactor(qsoClass, rules) * points;
}

// The part of the exchange a busted QSO has wrong, as logged and as the other side has it.
CopiedAndSent LoggedAndCorrect(const ContestLogs& logs, const CheckResult& result,
                               std::uint32_t q) {
  const QsoOutcome& outcome = result.outcomes[q];
  if (outcome.partner == kNoPartner) {
    return {};
  }
  switch (outcome.qsoClass) {
    case QsoClass::kBustedCall:
      return {logs.calls.Text(logs.qsos[q].call),
              logs.calls.Text(logs.qsos[outcome.partner].ownCall)};
    case QsoClass::kBustedLocator:
      return ComparedLocators(logs, result.rules, q, outcome.partner);
    case QsoClass::kBustedExchange:
      return ComparedExchange(logs, result.rules, q, outcome.partner);
    default:
      return {};
  }
}

QsoRow RowOf(const ContestLogs& logs, const CheckResult& result, std::uint32_t q) {
  const CheckQso& qso = logs.qsos[q];
  const std::string when = UtcText(qso.time);
  // A date and a time, or one text that says there is none.
  const std::size_t blank = when == UtcText(kNoTime) ? std::string::npos : when.find(' ');
  const CopiedAndSent parts = LoggedAndCorrect(logs, result, q);
  return {when.substr(0, blank),
          blank == std::string::npos ? "" : when.substr(blank + 1),
          Printable(logs.texts.Text(qso.band)),
          Printable(logs.calls.Text(qso.call)),
          Printable(parts.copied),
          Printable(parts.sent),
          std::to_string(PointsLost(logs, result.rules, q, result.outcomes[q].qsoClass))};
}

// "  2016-05-07  1400  144   YO5BBD  YO5BBD  YO5BBB      31": each column as wide as its widest.
std::string RowText(const QsoRow& row, const Widths& widths) {
  std::string line;
  for (std::size_t i = 0; i < row.size(); ++i) {
    const std::string blanks(widths[i] - std::min(widths[i], row[i].size()), ' ');
    line += "  " + (i == kLost ? blanks + row[i] : row[i] + blanks);
  }
  line.erase(line.find_last_not_of(' ') + 1);
  return line + "\n";
}

// "(the contest runs from 2016-05-07T14:00 until 2016-05-08T14:00 UTC on 144 432)".
std::string ContestTerms(const CheckRules& rules) {
  std::string terms = "the contest runs" + PeriodText(rules);
  if (!rules.bands.empty()) {
    terms += " on " + Joined(rules.bands, " ");
  }
  return "(" + terms + ")";
}

// "Unique: 2, counted", "Busted calls: none".
std::string Heading(const UbnSection& section, std::size_t count, const CheckRules& rules) {
  std::string heading =
      section.title + std::string(": ") + (count == 0 ? "none" : std::to_string(count));
  if (count > 0 && section.qsoClass == QsoClass::kUnique) {
    heading += rules.uniqueCounts ? ", counted" : ", not counted";
  }
  if (count > 0 && section.qsoClass == QsoClass::kOutOfPeriod) {
    heading += " " + ContestTerms(rules);
  }
  return heading + "\n";
}

std::string Labelled(const std::string& label, const std::string& value) {
  return label + std::string(kLabelWidth - label.size(), ' ') +
         (value.empty() ? "-" : Printable(value)) + "\n";
}

std::string Header(const ContestLogs& logs, const CheckRules& rules, std::size_t log) {
  const CheckLog& entry = logs.logs[log];
  std::string header =
      "UBN report" + (rules.contest.empty() ? "" : ": " + rules.contest) + "\n" +
      Labelled("Call", entry.stationCall) + Labelled("Locator", entry.ownLocator) +
      Labelled("Band", rules.logPerBand ? entry.band : "all") + Labelled("Section", entry.section) +
      Labelled("Log", entry.file + (entry.format.empty() ? "" : " (" + entry.format + ")"));
  if (!entry.error.empty()) {
    header += Labelled("Error", entry.error);
  }
  return header;
}

// "3 QSOs: 1 busted call, 2 not in log", the classes whose QSOs do not count.
std::string QsosLost(const LogCheck& check, const CheckRules& rules) {
  std::size_t total = 0;
  std::string classes;
  for (const UbnSection& section : kSections) {
    const std::size_t count = check.classes[static_cast<std::size_t>(section.qsoClass)];
    if (count == 0 || Counts(section.qsoClass, rules)) {
      continue;
    }
    total += count;
    classes += (classes.empty() ? "" : ", ") + std::to_string(count) + " " +
               std::string(ClassName(section.qsoClass));
  }
  return total == 0 ? "none" : CountText(static_cast<std::int64_t>(total), "QSO") + ": " + classes;
}

std::string Totals(const LogCheck& check, const CheckRules& rules) {
  const std::string claimed = TallyInWords(check.claimed, rules.multipliers) + ", score " +
                              std::to_string(check.claimed.score);
  const std::string checked = TallyInWords(check.checked, rules.multipliers) + ", penalty " +
                              std::to_string(check.penalty) + ", score " +
                              std::to_string(check.score);
  return "Totals\n  " + Labelled("Claimed", claimed) + "  " + Labelled("Checked", checked) + "  " +
         Labelled("Lost", QsosLost(check, rules));
}
}  // namespace

std::string UbnReportText(const ContestLogs& logs, const CheckResult& result, std::size_t log) {
  const CheckLog& entry = logs.logs[log];
  const CheckRules& rules = result.rules;
  std::vector<std::vector<QsoRow>> sections;
  Widths widths{};
  for (std::size_t i = 0; i < widths.size(); ++i) {
    widths[i] = kHeadings[i].size();
  }
  for (const UbnSection& section : kSections) {
    std::vector<QsoRow>& rows = sections.emplace_back();
    for (std::size_t q = entry.first; q < entry.first + entry.count; ++q) {
      if (result.outcomes[q].qsoClass == section.qsoClass) {
        rows.push_back(RowOf(logs, result, static_cast<std::uint32_t>(q)));
        for (std::size_t i = 0; i < widths.size(); ++i) {
          widths[i] = std::max(widths[i], rows.back()[i].size());
        }
      }
    }
  }
  std::string text = Header(logs, rules, log);
  for (std::size_t s = 0; s < sections.size(); ++s) {
    if (!RulesCanGive(kSections[s].qsoClass, rules)) {
      continue;
    }
    text += "\n" + Heading(kSections[s], sections[s].size(), rules);
    if (!sections[s].empty()) {
      text += RowText(kHeadings, widths);
    }
    for (const QsoRow& row : sections[s]) {
      text += RowText(row, widths);
    }
  }
  return text + "\n" + Totals(result.logs[log], rules);
}
