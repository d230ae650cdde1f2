#include "check/qso_text.h"

#include <ctime>

std::string UtcText(std::int64_t seconds) {
  if (seconds == kNoTime) {
    return "(no time)";
  }
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm utc{};
  if (!gmtime_r(&time, &utc)) {
    return "(no time)";
  }
  char text[32];
  std::strftime(text, sizeof text, utc.tm_sec ? "%Y-%m-%d %H%M%S" : "%Y-%m-%d %H%M", &utc);
  return text;
}

std::string QsoLineText(const ContestLogs& logs, std::uint32_t q) {
  const CheckQso& qso = logs.qsos[q];
  return "QSO: " + logs.texts.Text(qso.frequency) + " " + logs.texts.Text(qso.mode) + " " +
         UtcText(qso.time) + " " + logs.calls.Text(qso.ownCall) + " " +
         logs.texts.Text(qso.ownLocator) + " " + logs.calls.Text(qso.call) + " " +
         logs.texts.Text(qso.exchange);
}

std::string PlacedQsoText(const ContestLogs& logs, std::uint32_t q) {
  const CheckQso& qso = logs.qsos[q];
  return logs.logs[qso.log].file + ":" + std::to_string(qso.line) + ": " + QsoLineText(logs, q);
}
