#include "check/rules_scoring.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>

#include "distance/maidenhead.h"
#include "scoring/distance_points.h"
#include "scoring/square_scan.h"

namespace {
// The engine's bonus for a new field, where the rules' score adds points per multiplier.
constexpr std::int64_t kEnginePointsPerMultiplier = 100;

// The multiplier the exchange gives on its band, as the rules count them; empty for none.
std::string MultiplierOf(const std::string& exchange, MultiplierRule rule) {
  if (rule == MultiplierRule::kNone) {
    return {};
  }
  const FoundSquare found = ScanSquare(exchange);
  return rule == MultiplierRule::kFields ? found.field : found.square;
}

// QSOs, points and multipliers added up, and the score they make.
class RulesTally {
 public:
  explicit RulesTally(const CheckRules& rules) : rules_(rules) {}

  void Add(std::uint32_t band, const std::string& multiplier, std::int64_t points) {
    ++tally_.qsos;
    tally_.points += points;
    if (!multiplier.empty()) {
      multipliers_.emplace(band, multiplier);
    }
  }

  // ScoreTally::fields holds the multipliers, whatever the rules count.
  ScoreTally Result() const {
    ScoreTally tally = tally_;
    tally.fields = static_cast<std::int64_t>(multipliers_.size());
    tally.score = rules_.score == ScoreFormula::kPointsTimesMultipliers
                      ? tally.points * tally.fields
                      : tally.points + rules_.pointsPerMultiplier * tally.fields;
    return tally;
  }

 private:
  const CheckRules& rules_;
  ScoreTally tally_;
  std::set<std::pair<std::uint32_t, std::string>> multipliers_;  // band text id, multiplier
};
}  // namespace

bool ScoresAsTheEngine(const CheckRules& rules) {
  return rules.points == PointsRule::kDistanceTable && rules.bandFactors.empty() &&
         rules.multipliers == MultiplierRule::kFields &&
         rules.score == ScoreFormula::kPointsPlusMultipliers &&
         rules.pointsPerMultiplier == kEnginePointsPerMultiplier;
}

std::int64_t PointsForKm(double km, const CheckRules& rules) {
  const double ratio = km / static_cast<double>(rules.kmPerPoint);
  double rounded = 0;
  switch (rules.pointsRounding) {
    case PointsRounding::kDown:
      rounded = std::floor(ratio);
      break;
    case PointsRounding::kNearest:
      rounded = RoundHalfToEven(ratio);
      break;
    case PointsRounding::kUp:
      rounded = std::ceil(ratio);
      break;
  }
  return std::max(static_cast<std::int64_t>(rounded) + rules.pointsAdded, rules.pointsMinimum);
}

std::int64_t QsoPoints(const ContestLogs& logs, const CheckQso& qso, const CheckRules& rules) {
  std::int64_t points = std::max(0, qso.claimed);  // the engine's, from its distance table
  if (rules.points == PointsRule::kPerKm) {
    const auto km =
        LocatorDistanceKm(ScanLocator(logs.texts.Text(qso.ownLocator)),
                          ScanLocator(logs.texts.Text(qso.exchange)), rules.locatorLength);
    points = km ? PointsForKm(*km, rules) : 0;
  }
  return points * BandFactorOf(rules, logs.texts.Text(qso.band));
}

void ScoreByTheRules(const ContestLogs& logs, std::size_t log, const CheckRules& rules,
                     const std::vector<QsoOutcome>& outcomes, LogCheck& check) {
  const CheckLog& entry = logs.logs[log];
  RulesTally claimed(rules);
  RulesTally checked(rules);
  for (std::size_t q = entry.first; q < entry.first + entry.count; ++q) {
    const CheckQso& qso = logs.qsos[q];
    const QsoClass qsoClass = outcomes[q].qsoClass;
    const std::int64_t points = QsoPoints(logs, qso, rules);
    const std::string multiplier = MultiplierOf(logs.texts.Text(qso.exchange), rules.multipliers);
    ++check.classes[static_cast<std::size_t>(qsoClass)];
    check.penalty += PenaltyFactor(qsoClass, rules) * points;
    if (!IsDuplicate(qso)) {
      claimed.Add(qso.band, multiplier, points);
    }
    if (Counts(qsoClass, rules)) {
      checked.Add(qso.band, multiplier, points);
    }
  }
  check.claimed = claimed.Result();
  check.checked = checked.Result();
  check.score = check.checked.score - check.penalty;
}
