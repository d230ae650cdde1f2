#include "check/log_report.h"

#include <algorithm>
#include <cstdlib>

#include "check/logged_exchange.h"
#include "check/qso_text.h"
#include "check/report_wording.h"
#include "logfiles/printable.h"

namespace {
std::string Minutes(std::int64_t seconds) {
  return CountText((std::llabs(seconds) + 30) / 60, "minute");
}

// Between two QSOs of different logs, on the contest's clock.
std::string Apart(const ContestLogs& logs, const CheckResult& result, std::uint32_t a,
                  std::uint32_t b) {
  const CheckQso& qsoA = logs.qsos[a];
  const CheckQso& qsoB = logs.qsos[b];
  if (qsoA.time == kNoTime || qsoB.time == kNoTime) {
    return "";
  }
  const std::int64_t seconds = (qsoA.time - result.logs[qsoA.log].clock.offset) -
                               (qsoB.time - result.logs[qsoB.log].clock.offset);
  return ", " + Minutes(seconds) + " apart";
}

// Why a QSO is out of period: its band, else its time.
std::string OutOfPeriod(const ContestLogs& logs, const CheckRules& rules, const CheckQso& qso) {
  const std::string& band = logs.texts.Text(qso.band);
  if (!CountsBand(rules, band)) {
    return "out of period: band " + band + " is not one of the contest's";
  }
  return "out of period: the contest runs" + PeriodText(rules);
}

std::string Why(const ContestLogs& logs, const CheckResult& result, std::uint32_t q) {
  const CheckQso& qso = logs.qsos[q];
  const QsoOutcome& outcome = result.outcomes[q];
  const std::string& worked = logs.calls.Text(qso.call);
  const std::string& own = logs.calls.Text(qso.ownCall);
  const std::uint32_t other = outcome.partner;
  const std::string otherLine = other == kNoPartner ? "" : "\n    " + PlacedQsoText(logs, other);
  switch (outcome.qsoClass) {
    case QsoClass::kNotInLog:
      if (other == kNoPartner) {
        return "not in log: " + worked + "'s log has no QSO with " + own + " on band " +
               logs.texts.Text(qso.band);
      }
      return "not in log: the nearest QSO with " + own + " in " + worked + "'s log" +
             Apart(logs, result, q, other) + ":" + otherLine;
    case QsoClass::kBustedCall:
      return "busted call: " + worked + " sent no log; " +
             logs.calls.Text(logs.qsos[other].ownCall) + " logged " + own +
             Apart(logs, result, q, other) + ":" + otherLine;
    case QsoClass::kBustedLocator: {
      const CopiedAndSent locators = ComparedLocators(logs, result.rules, q, other);
      return "busted locator: copied " + locators.copied + ", " + worked + " sent " +
             locators.sent + ":" + otherLine;
    }
    case QsoClass::kUnique:
      return "unique: " + worked + " is in no other log";
    case QsoClass::kNotCheckable:
      return "not checkable: " + worked + " sent no log";
    case QsoClass::kDuplicate:
      return other == kNoPartner ? "duplicate"
                                 : "duplicate of line " + std::to_string(logs.qsos[other].line);
    case QsoClass::kBustedExchange:
      return "busted exchange: the report or serial copied is not what " + worked + " sent" +
             (other == kNoPartner ? "" : ":" + otherLine);
    case QsoClass::kOutOfPeriod:
      return OutOfPeriod(logs, result.rules, qso);
    case QsoClass::kConfirmed:
      break;
  }
  return "confirmed";
}

// The report's lines with every control character that comes from a log made visible.
std::string PrintableLines(std::string_view text) {
  std::string printable;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    printable += Printable(text.substr(start, end - start));
    if (end < text.size()) {
      printable += '\n';
    }
    start = end + 1;
  }
  return printable;
}

// "; 30 minutes ahead estimated, not applied: fewer than 5 QSOs show it", for an offset the rules'
// limits refused; nothing for none.
std::string RefusedOffsetText(const ClockEstimate& clock, const CheckRules& rules) {
  if (clock.refused == 0) {
    return "";
  }
  const bool tooFew = static_cast<std::int64_t>(clock.basis) < rules.clockOffsetMinQsos;
  const std::string why =
      tooFew ? "fewer than " + CountText(rules.clockOffsetMinQsos, "QSO") + " show it"
             : "more than the " + Minutes(rules.clockOffsetMaxSeconds.value_or(0)) +
                   " the rules allow";
  return "; " + ClockText(clock.refused) + " estimated, not applied: " + why;
}

// "Place 3 of 15", or "Place 3 of 8 on 144" among the logs of its band where the rules have a log
// for each band.
std::string PlaceText(const ContestLogs& logs, const CheckRules& rules, std::size_t log,
                      std::size_t place) {
  const std::string& band = logs.logs[log].band;
  const auto ofBand = [&](const CheckLog& other) { return other.band == band; };
  const std::size_t among =
      rules.logPerBand
          ? static_cast<std::size_t>(std::count_if(logs.logs.begin(), logs.logs.end(), ofBand))
          : logs.logs.size();
  return "Place " + std::to_string(place) + " of " + std::to_string(among) +
         (rules.logPerBand ? " on " + band : "") + "\n";
}

// The count of each class the rules can give.
std::string ClassCounts(const LogCheck& check, const CheckRules& rules) {
  std::string text;
  for (QsoClass qsoClass : kAllClasses) {
    if (!RulesCanGive(qsoClass, rules)) {
      continue;
    }
    text += (text.empty() ? "" : ", ") + std::to_string(check.classes[static_cast<int>(qsoClass)]) +
            " " + std::string(ClassName(qsoClass));
  }
  return text;
}
}  // namespace

std::int64_t ClockMinutes(std::int64_t offsetSeconds) {
  const std::int64_t minutes = (std::llabs(offsetSeconds) + 30) / 60;
  return offsetSeconds > 0 ? minutes : -minutes;
}

std::string ClockText(std::int64_t offsetSeconds) {
  const std::int64_t minutes = ClockMinutes(offsetSeconds);
  if (minutes == 0) {
    return "right";
  }
  return Minutes(minutes * 60) + (minutes > 0 ? " ahead" : " behind");
}

std::string LogReportText(const ContestLogs& logs, const CheckResult& result, std::size_t log,
                          std::size_t place) {
  const CheckLog& entry = logs.logs[log];
  const LogCheck& check = result.logs[log];
  std::string text = "Check of " + (entry.stationCall.empty() ? "a log" : entry.stationCall) +
                     (entry.ownLocator.empty() ? "" : " from " + entry.ownLocator) + ": " +
                     entry.file + (entry.format.empty() ? "" : " (" + entry.format + ")") + "\n";
  if (!entry.error.empty()) {
    text += "Error: " + entry.error + "\n";
  }
  if (check.checkLog && entry.error.empty()) {
    text += "Check log: matched against the others, not ranked\n";
  } else if (check.otherBand && entry.error.empty()) {
    text += "Band " + entry.band + " is not one of the contest's: matched against the others, " +
            "not ranked\n";
  } else if (place != 0) {
    text += PlaceText(logs, result.rules, log, place);
  }
  const MultiplierRule multipliers = result.rules.multipliers;
  text += "\nClaimed: " + TallyInWords(check.claimed, multipliers) + ", score " +
          std::to_string(check.claimed.score) + "\n" +
          "Checked: " + TallyInWords(check.checked, multipliers) + ", penalty " +
          std::to_string(check.penalty) + ", score " + std::to_string(check.score) +
          "\nClock: " + ClockText(check.clock.offset) + " (from " +
          CountText(static_cast<std::int64_t>(check.clock.basis), "QSO") + " with other logs" +
          RefusedOffsetText(check.clock, result.rules) +
          ")\nQSOs: " + ClassCounts(check, result.rules) + "\n";

  std::string unconfirmed;
  for (std::size_t q = entry.first; q < entry.first + entry.count; ++q) {
    if (result.outcomes[q].qsoClass != QsoClass::kConfirmed) {
      const std::uint32_t index = static_cast<std::uint32_t>(q);
      const std::string exchange = ExchangeLine(logs, result, index);
      unconfirmed += PlacedQsoText(logs, index) + "\n  " + Why(logs, result, index) + "\n" +
                     (exchange.empty() ? "" : "  " + exchange + "\n");
    }
  }
  if (!unconfirmed.empty()) {
    text += "\nUnconfirmed QSOs\n" + unconfirmed;
  }
  if (!entry.warnings.empty()) {
    text += "\nLines the reader skipped or doubted\n";
    for (const LogWarning& warning : entry.warnings) {
      text += entry.file + ":" + std::to_string(warning.line) + ": " + warning.message + "\n";
    }
  }
  return PrintableLines(text);
}
