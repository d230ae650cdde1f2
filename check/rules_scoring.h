// A log's scores by the contest's rules where they do not score as the plug-in's engine does: a
// QSO's points from the engine's distance table or from the kilometres, times its band's factor;
// multipliers none, fields or squares, each once per band; the score points plus or times the
// multipliers. The engine still decides which QSOs are duplicates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "check/check_rules.h"
#include "check/checked_score.h"
#include "check/contest_logs.h"
#include "check/qso_class.h"

// Whether the rules score as the engine: its distance table without band factors, fields as
// multipliers, each adding 100 points. The check then keeps the engine's scores.
bool ScoresAsTheEngine(const CheckRules& rules);

// Per-km points for `km`, before the band's factor: km / km-per-point rounded as the rules say
// (nearest: a half to the even neighbour, as the distance table rounds), plus the points added,
// at least the least points.
std::int64_t PointsForKm(double km, const CheckRules& rules);

// A QSO's points by the rules, its band's factor included. Per km they are measured between the
// locator it was sent from and the one copied, at the rules' locator length; a QSO whose
// locators name no square scores 0, as on the engine.
std::int64_t QsoPoints(const ContestLogs& logs, const CheckQso& qso, const CheckRules& rules);

// Fills in `check.claimed` (over the log's QSOs that are no duplicates, IsDuplicate),
// `checked` (over those that count), `penalty` (each removed QSO's factor times its points by
// the rules), `score` and `classes` of log `log`.
void ScoreByTheRules(const ContestLogs& logs, std::size_t log, const CheckRules& rules,
                     const std::vector<QsoOutcome>& outcomes, LogCheck& check);
