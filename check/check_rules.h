// The rules a contest's logs are checked by, read from a small text file: the contest's
// definition (its period and bands, how its logs are matched, how it is scored). Every setting
// has a default, and the defaults check and score as the first rules files did; a file names only
// what it changes. Beside the struct that keeps them, the settings are one table, which the
// reading, the writing and the outputs walk.
#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Where a QSO's points come from.
enum class PointsRule {
  kDistanceTable,  // the plug-in's engine: its table of points by distance
  kPerKm,          // from the kilometres between the two locators
};

// How kilometres over km-per-point become whole points.
enum class PointsRounding { kDown, kNearest, kUp };

// What a log's multipliers are, each counted once per band.
enum class MultiplierRule { kNone, kFields, kSquares };

// How points and multipliers make the score.
enum class ScoreFormula { kPointsPlusMultipliers, kPointsTimesMultipliers };

struct BandFactor {
  std::string band;  // a band text as the readers give it: "432", "1.2G"
  std::int64_t factor;
};

// Each setting's default is its member's initial value. The six settings of the first rules
// files come first, in their order.
struct CheckRules {
  std::int64_t windowSeconds = 10 * 60;  // how far apart the two logs' times of a QSO may be
  bool modeMustMatch = true;
  bool uniqueCounts = true;  // a QSO with a call that is in no other log keeps its points
  // Points taken off for a removed QSO, as a multiple of its points (as the contest scores them),
  // over its removal.
  std::int64_t notInLogPenalty = 0;
  std::int64_t bustedCallPenalty = 0;
  std::int64_t bustedLocatorPenalty = 0;
  std::int64_t bustedExchangePenalty = 0;

  std::string contest;  // its name, for people
  // The contest period, [start, end) in seconds since 1970 UTC; nothing for no bound.
  std::optional<std::int64_t> periodStart;
  std::optional<std::int64_t> periodEnd;
  std::vector<std::string> bands;  // the band texts that count, in the file's order; empty: all
  bool logPerBand = false;         // each log covers one band, as EDI logs do
  bool checkReport = false;        // the report copied must be the one the other side sent
  bool checkSerial = false;        // the serial copied must be the one the other side sent
  std::size_t locatorLength = 4;   // locator characters compared and measured from: 4 or 6
  bool portableSuffixesIgnored = false;  // S50AAA/P and S50AAA are one call
  // A log's clock offset is applied only when this many QSOs show it, and only up to the largest
  // (none: any size).
  std::int64_t clockOffsetMinQsos = 1;
  std::optional<std::int64_t> clockOffsetMaxSeconds;
  // A log whose section or category is one of these (upper case; compared trimmed, in any case)
  // is a check log.
  std::vector<std::string> checkLogSections = {"CHECK", "CHECKLOG"};

  // The scoring. With these five at their defaults the engine scores a log as the plug-in does.
  PointsRule points = PointsRule::kDistanceTable;
  std::vector<BandFactor> bandFactors;  // a band's QSO points are multiplied by its factor
  MultiplierRule multipliers = MultiplierRule::kFields;
  ScoreFormula score = ScoreFormula::kPointsPlusMultipliers;
  std::int64_t pointsPerMultiplier = 100;  // for points plus multipliers
  // Per-km points: km / kmPerPoint rounded as pointsRounding, plus pointsAdded, at least
  // pointsMinimum.
  std::int64_t kmPerPoint = 1;
  PointsRounding pointsRounding = PointsRounding::kDown;
  std::int64_t pointsAdded = 0;
  std::int64_t pointsMinimum = 0;
};

// Whether QSOs on the band (a band text as the readers give it) count: every band does when the
// rules name none.
bool CountsBand(const CheckRules& rules, std::string_view band);

// The period as the reports write it: " from 2016-05-07T14:00 until 2016-05-08T14:00 UTC", an end
// the rules leave open left out; empty where both are.
std::string PeriodText(const CheckRules& rules);

// Whether a log of this section (or category) is a check log: the section trimmed, in any case, is
// one of the rules' check-log sections.
bool IsCheckLogSection(const CheckRules& rules, std::string_view section);

// The factor the band's QSO points are multiplied by: 1 where the rules give none.
std::int64_t BandFactorOf(const CheckRules& rules, std::string_view band);

// A rules file that cannot be read, with the line at fault.
class RulesError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Lines "name = value", ending in LF, CR LF or CR; '#' begins a comment, on a line of its own or
// after a value; a UTF-8 byte-order mark is passed over. Throws RulesError for an unknown name, a
// value it cannot take, a name set twice, or a period that ends before it starts.
CheckRules ParseRules(std::string_view text);

// Throws RulesError when the file cannot be read either.
CheckRules ReadRulesFile(const std::string& path);

// The rules as a rules file, each setting named and explained in a comment: the six settings of
// the first rules files always (so that the defaults are written as they always were), every
// other one where it is not at its default.
std::string RulesText(const CheckRules& rules);

// The rules as a rules file with every setting written out, as rules/default.rules has them.
std::string FullRulesText(const CheckRules& rules);

// The rules in a sentence for people, without its full stop: "QSOs match within 10 minutes, ...".
// The settings newer than the first six speak only where they are not at their default.
std::string RulesSummary(const CheckRules& rules);

// {"time_window_minutes":10,"mode_must_match":true,...}: each setting in the file's unit; those
// newer than the first six only where they are not at their default.
nlohmann::ordered_json RulesJson(const CheckRules& rules);
