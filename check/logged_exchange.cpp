#include "check/logged_exchange.h"

#include "scoring/square_scan.h"
#include "scoring/text_rules.h"

namespace {
// Stands for a part of the exchange a log left empty, so that each part keeps its place.
constexpr const char* kLeftEmpty = "-";

std::string OrLeftEmpty(const std::string& text) {
  return text.empty() ? kLeftEmpty : text;
}

// "59 012 KN17KT": the locator as the check reads it from what was logged.
std::string Parts(const std::string& report, const std::string& serial,
                  const std::string& locator) {
  return OrLeftEmpty(report) + " " + OrLeftEmpty(serial) + " " + OrLeftEmpty(ScanLocator(locator));
}

std::string SentAndReceived(const ContestLogs& logs, const CheckQso& qso) {
  const TextTable& numbers = logs.reportsAndSerials;
  return "sent " +
         Parts(numbers.Text(qso.sentReport), numbers.Text(qso.sentSerial),
               logs.texts.Text(qso.ownLocator)) +
         ", received " +
         Parts(numbers.Text(qso.receivedReport), numbers.Text(qso.receivedSerial),
               logs.texts.Text(qso.exchange));
}

bool LoggedReportOrSerial(const ContestLogs& logs, const CheckQso& qso) {
  for (std::uint32_t id :
       {qso.sentReport, qso.sentSerial, qso.receivedReport, qso.receivedSerial}) {
    if (!logs.reportsAndSerials.Text(id).empty()) {
      return true;
    }
  }
  return false;
}

// "59 013" of the report and serial given, those the rules compare.
std::string ComparedParts(const CheckRules& rules, const std::string& report,
                          const std::string& serial) {
  const std::string shownReport = rules.checkReport ? OrLeftEmpty(report) : "";
  const std::string shownSerial = rules.checkSerial ? OrLeftEmpty(serial) : "";
  return shownReport + (shownReport.empty() || shownSerial.empty() ? "" : " ") + shownSerial;
}
}  // namespace

std::string ExchangeLine(const ContestLogs& logs, const CheckResult& result, std::uint32_t q) {
  if (!result.rules.checkReport && !result.rules.checkSerial) {
    return "";
  }
  const CheckQso& qso = logs.qsos[q];
  const std::uint32_t partner = result.outcomes[q].partner;
  const bool otherLog = partner != kNoPartner && logs.qsos[partner].log != qso.log;
  if (!LoggedReportOrSerial(logs, qso) &&
      !(otherLog && LoggedReportOrSerial(logs, logs.qsos[partner]))) {
    return "";
  }
  if (!otherLog) {
    return SentAndReceived(logs, qso);
  }
  const CheckQso& other = logs.qsos[partner];
  return SentAndReceived(logs, qso) + "; " + logs.calls.Text(other.ownCall) +
         " logged: " + SentAndReceived(logs, other);
}

CopiedAndSent ComparedLocators(const ContestLogs& logs, const CheckRules& rules, std::uint32_t q,
                               std::uint32_t sender) {
  constexpr std::size_t kSquare = 4;
  const std::string& logged = logs.texts.Text(logs.qsos[q].exchange);
  const std::string copied = ScanLocator(logged);
  const std::string sent = ScanLocator(logs.texts.Text(logs.qsos[sender].ownLocator));
  const std::size_t length = rules.locatorLength;
  if (copied.empty()) {
    // Nothing copied reads as a locator: what was logged, against all that was compared of the
    // sent.
    const std::string_view text = TrimControl(logged);
    return {text.empty() ? "no locator" : std::string(text) + " (no locator)",
            sent.substr(0, length)};
  }
  const std::size_t shown = copied.size() >= length && sent.size() >= length ? length : kSquare;
  return {copied.substr(0, shown), sent.substr(0, shown)};
}

CopiedAndSent ComparedExchange(const ContestLogs& logs, const CheckRules& rules, std::uint32_t q,
                               std::uint32_t sender) {
  const CheckQso& copier = logs.qsos[q];
  const CheckQso& other = logs.qsos[sender];
  const TextTable& numbers = logs.reportsAndSerials;
  return {ComparedParts(rules, numbers.Text(copier.receivedReport),
                        numbers.Text(copier.receivedSerial)),
          ComparedParts(rules, numbers.Text(other.sentReport), numbers.Text(other.sentSerial))};
}
