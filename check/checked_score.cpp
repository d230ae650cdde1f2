#include "check/checked_score.h"

#include <algorithm>

#include "check/rules_scoring.h"

bool Counts(QsoClass qsoClass, const CheckRules& rules) {
  switch (qsoClass) {
    case QsoClass::kConfirmed:
    case QsoClass::kNotCheckable:
      return true;
    case QsoClass::kUnique:
      return rules.uniqueCounts;
    case QsoClass::kNotInLog:
    case QsoClass::kBustedCall:
    case QsoClass::kBustedLocator:
    case QsoClass::kDuplicate:
    case QsoClass::kBustedExchange:
    case QsoClass::kOutOfPeriod:
      break;
  }
  return false;
}

std::int64_t PenaltyFactor(QsoClass qsoClass, const CheckRules& rules) {
  switch (qsoClass) {
    case QsoClass::kNotInLog:
      return rules.notInLogPenalty;
    case QsoClass::kBustedCall:
      return rules.bustedCallPenalty;
    case QsoClass::kBustedLocator:
      return rules.bustedLocatorPenalty;
    case QsoClass::kBustedExchange:
      return rules.bustedExchangePenalty;
    default:
      return 0;
  }
}

bool RulesCanGive(QsoClass qsoClass, const CheckRules& rules) {
  switch (qsoClass) {
    case QsoClass::kBustedExchange:
      return rules.checkReport || rules.checkSerial;
    case QsoClass::kOutOfPeriod:
      return rules.periodStart || rules.periodEnd || !rules.bands.empty();
    default:
      return true;
  }
}

void ScoreCheckedLog(const ContestLogs& logs, std::size_t log, const CheckRules& rules,
                     const std::vector<QsoOutcome>& outcomes, LogCheck& check) {
  if (!ScoresAsTheEngine(rules)) {
    ScoreByTheRules(logs, log, rules, outcomes, check);
    return;
  }
  const CheckLog& entry = logs.logs[log];
  std::vector<EngineQso> counted;
  counted.reserve(entry.count);
  for (std::size_t q = entry.first; q < entry.first + entry.count; ++q) {
    const CheckQso& qso = logs.qsos[q];
    const QsoClass qsoClass = outcomes[q].qsoClass;
    ++check.classes[static_cast<std::size_t>(qsoClass)];
    check.penalty += PenaltyFactor(qsoClass, rules) * std::max(0, qso.claimed);
    if (Counts(qsoClass, rules)) {
      counted.push_back({RecordedQso(logs.calls.Text(qso.call), logs.texts.Text(qso.band),
                                     logs.texts.Text(qso.mode), logs.texts.Text(qso.exchange)),
                         logs.texts.Text(qso.ownLocator)});
    }
  }
  check.checked = ScoreOnEngine(counted).tally;
  check.score = check.checked.score - check.penalty;
}
