// A log's checked score: the plug-in's engine over the QSOs that count, in the log's order, each
// from the locator it was sent from (or the contest's rules where they score otherwise); less the
// penalties the rules set for removed QSOs.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "check/check_rules.h"
#include "check/clock_offsets.h"
#include "check/contest_logs.h"
#include "check/qso_class.h"

struct LogCheck {
  bool checkLog = false;  // matched with the others, never ranked
  // A log of one band that the rules do not count: matched with the others, never ranked.
  bool otherBand = false;
  ClockEstimate clock;
  // The claimed and the checked tallies by the contest's rules: the engine's where they score as
  // it does. `fields` counts the multipliers, fields or squares as the rules have them.
  ScoreTally claimed;
  ScoreTally checked;        // over the QSOs that count
  std::int64_t penalty = 0;  // points taken off for removed QSOs
  std::int64_t score = 0;    // the checked score: the checked tally's less the penalty
  std::array<std::size_t, kQsoClassCount> classes{};  // QSOs of each class
};

// Confirmed and not-checkable QSOs count, unique ones as the rules say; duplicates never (the
// engine gave them nothing, and without their first entry they would count anew).
bool Counts(QsoClass qsoClass, const CheckRules& rules);

// What a removed QSO costs besides its points, as a multiple of them.
std::int64_t PenaltyFactor(QsoClass qsoClass, const CheckRules& rules);

// Whether a check by the rules can give the class: busted exchange only where a part of the
// exchange is compared, out of period only with a period or a list of bands. The outputs show
// the classes that can be.
bool RulesCanGive(QsoClass qsoClass, const CheckRules& rules);

// Fills in `check.checked`, `penalty`, `score` and `classes` of log `log` (`claimed` too where the
// rules do not score as the engine). Throws EOleException when an own locator names no square.
void ScoreCheckedLog(const ContestLogs& logs, std::size_t log, const CheckRules& rules,
                     const std::vector<QsoOutcome>& outcomes, LogCheck& check);
