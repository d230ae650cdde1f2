#include "check/check_rules.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "check/rule_values.h"
#include "logfiles/log_text.h"
#include "logfiles/text_encoding.h"
#include "logfiles/text_lines.h"
#include "scoring/text_rules.h"

namespace {
using Json = nlohmann::ordered_json;

// One setting: how a rules file names it, what it takes, where CheckRules keeps it (with its
// default), and how the outputs explain it.
struct RuleSetting {
  const char* name;  // in a rules file; results.json has '_' for '-'
  std::string takes;
  const char* help;  // the comment of a written rules file
  // One of the six settings of the first rules files, which every output names; the others are
  // named only where they are not at their default, so that the defaults' outputs stay as they
  // were.
  bool firstSix;
  std::function<void(std::string_view value, CheckRules& rules)> read;  // throws RulesError
  std::function<std::string(const CheckRules& rules)> text;
  std::function<Json(const CheckRules& rules)> json;
  // The setting's part of RulesSummary, beginning with what joins it to the part before; asked
  // only where the setting is named, so for one after the first six only off its default.
  std::string (*summary)(const CheckRules& rules);
};

template <typename T>
RuleSetting Setting(const char* name, T CheckRules::*kept, const ValueKind<T>& kind,
                    const char* help, std::string (*summary)(const CheckRules&),
                    bool firstSix = false) {
  return {name,
          kind.takes,
          help,
          firstSix,
          [kept, read = kind.read](std::string_view value, CheckRules& rules) {
            rules.*kept = read(value);
          },
          [kept, text = kind.text](const CheckRules& rules) { return text(rules.*kept); },
          [kept, json = kind.json](const CheckRules& rules) { return json(rules.*kept); },
          summary};
}

template <typename T>
RuleSetting FirstSix(const char* name, T CheckRules::*kept, const ValueKind<T>& kind,
                     const char* help, std::string (*summary)(const CheckRules&)) {
  return Setting(name, kept, kind, help, summary, true);
}

// Whole minutes, up to a day: a window wider than that would match QSOs of different days.
constexpr std::int64_t kLongestWindowMinutes = 24 * 60;
constexpr std::int64_t kLargestPenalty = 100;
constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kLargestCount = 1000000;

bool PerKm(const CheckRules& rules) {
  return rules.points == PointsRule::kPerKm;
}

std::vector<RuleSetting> MakeSettings() {
  return {
      Setting("contest", &CheckRules::contest, Text(), "the contest's name, for the outputs",
              [](const CheckRules& r) { return r.contest + ": "; }),
      FirstSix("time-window-minutes", &CheckRules::windowSeconds,
               WholeNumber(0, kLongestWindowMinutes, kSecondsPerMinute),
               "how far apart the two logs' times of a QSO may be",
               [](const CheckRules& r) {
                 return "QSOs match within " + std::to_string(r.windowSeconds / kSecondsPerMinute) +
                        " minutes";
               }),
      FirstSix("mode-must-match", &CheckRules::modeMustMatch, YesOrNo(),
               "whether the two logs must give a QSO the same mode",
               [](const CheckRules& r) {
                 return std::string(r.modeMustMatch ? ", in the same mode" : ", in any mode");
               }),
      Setting("log-per-band", &CheckRules::logPerBand, YesOrNo(),
              "whether each log covers one band, as EDI logs do",
              [](const CheckRules&) { return std::string(", a log for each band"); }),
      Setting("locator-length", &CheckRules::locatorLength, LocatorLength(),
              "locator characters compared, and measured from",
              [](const CheckRules& r) {
                return ", locators compared on " + std::to_string(r.locatorLength) + " characters";
              }),
      Setting("check-report", &CheckRules::checkReport, YesOrNo(),
              "whether the report copied must be the one sent",
              [](const CheckRules&) { return std::string(", reports compared"); }),
      Setting("check-serial", &CheckRules::checkSerial, YesOrNo(),
              "whether the serial copied must be the one sent",
              [](const CheckRules&) { return std::string(", serials compared"); }),
      Setting("portable-suffixes-ignored", &CheckRules::portableSuffixesIgnored, YesOrNo(),
              "whether S50AAA/P and S50AAA are one call",
              [](const CheckRules&) { return std::string(", S50AAA/P and S50AAA one call"); }),
      Setting("period-start", &CheckRules::periodStart, UtcMinuteOrNone(),
              "when the contest starts",
              [](const CheckRules& r) {
                return "; QSOs from " + UtcMinuteText(*r.periodStart) + " UTC";
              }),
      Setting("period-end", &CheckRules::periodEnd, UtcMinuteOrNone(),
              "when it ends: a QSO from then on is out of period",
              [](const CheckRules& r) {
                return std::string(r.periodStart ? " until " : "; QSOs until ") +
                       UtcMinuteText(*r.periodEnd) + " UTC";
              }),
      Setting("bands", &CheckRules::bands, BandsOrAll(),
              "the bands that count: a QSO on another is out of period",
              [](const CheckRules& r) { return "; bands " + Joined(r.bands, ", "); }),
      Setting("clock-offset-min-qsos", &CheckRules::clockOffsetMinQsos,
              WholeNumber(1, kLargestCount), "the QSOs a clock offset must rest on to be applied",
              [](const CheckRules& r) {
                return "; a clock offset rests on " + std::to_string(r.clockOffsetMinQsos) +
                       " QSOs or more";
              }),
      Setting("clock-offset-max-minutes", &CheckRules::clockOffsetMaxSeconds,
              WholeNumberOrNone(0, kLongestWindowMinutes, kSecondsPerMinute),
              "the largest clock offset applied",
              [](const CheckRules& r) {
                return "; clock offsets up to " +
                       std::to_string(*r.clockOffsetMaxSeconds / kSecondsPerMinute) + " minutes";
              }),
      FirstSix("unique-counts", &CheckRules::uniqueCounts, YesOrNo(),
               "whether a unique call's QSO keeps its points",
               [](const CheckRules& r) {
                 return std::string(r.uniqueCounts ? "; unique calls count"
                                                   : "; unique calls do not count");
               }),
      Setting("check-log-sections", &CheckRules::checkLogSections, WordsOrNone(),
              "the sections (EDI PSect, Cabrillo category) of check logs",
              [](const CheckRules& r) {
                return r.checkLogSections.empty()
                           ? std::string("; no check logs")
                           : "; check logs by section " + Joined(r.checkLogSections, ", ");
              }),
      FirstSix("penalty-not-in-log", &CheckRules::notInLogPenalty, WholeNumber(0, kLargestPenalty),
               "penalty for a not-in-log QSO, times its points",
               [](const CheckRules& r) {
                 return "; penalties (times the QSO's points) not in log " +
                        std::to_string(r.notInLogPenalty);
               }),
      FirstSix("penalty-busted-call", &CheckRules::bustedCallPenalty,
               WholeNumber(0, kLargestPenalty), "penalty for a busted call, times the QSO's points",
               [](const CheckRules& r) {
                 return ", busted call " + std::to_string(r.bustedCallPenalty);
               }),
      FirstSix("penalty-busted-locator", &CheckRules::bustedLocatorPenalty,
               WholeNumber(0, kLargestPenalty),
               "penalty for a busted locator, times the QSO's points",
               [](const CheckRules& r) {
                 return ", busted locator " + std::to_string(r.bustedLocatorPenalty);
               }),
      Setting("penalty-busted-exchange", &CheckRules::bustedExchangePenalty,
              WholeNumber(0, kLargestPenalty),
              "penalty for a busted exchange, times the QSO's points",
              [](const CheckRules& r) {
                return ", busted exchange " + std::to_string(r.bustedExchangePenalty);
              }),
      Setting("points", &CheckRules::points,
              Choice<PointsRule>(
                  {{"distance-table", PointsRule::kDistanceTable}, {"per-km", PointsRule::kPerKm}}),
              "the plug-in's distance table, or points from the km",
              [](const CheckRules&) { return std::string("; QSO points from the km"); }),
      Setting("km-per-point", &CheckRules::kmPerPoint, WholeNumber(1, kLargestCount),
              "per-km: the kilometres that make a point",
              [](const CheckRules& r) {
                return PerKm(r) ? ", a point per " + std::to_string(r.kmPerPoint) + " km"
                                : std::string();
              }),
      Setting("points-rounding", &CheckRules::pointsRounding,
              Choice<PointsRounding>({{"down", PointsRounding::kDown},
                                      {"nearest", PointsRounding::kNearest},
                                      {"up", PointsRounding::kUp}}),
              "per-km: how km / km-per-point becomes whole points",
              [](const CheckRules& r) {
                const char* rounded = r.pointsRounding == PointsRounding::kUp
                                          ? ", rounded up"
                                          : ", rounded to the nearest";
                return std::string(PerKm(r) ? rounded : "");
              }),
      Setting("points-added", &CheckRules::pointsAdded, WholeNumber(0, kLargestCount),
              "per-km: points added to every QSO's",
              [](const CheckRules& r) {
                return PerKm(r) ? ", plus " + std::to_string(r.pointsAdded) : std::string();
              }),
      Setting("points-minimum", &CheckRules::pointsMinimum, WholeNumber(0, kLargestCount),
              "per-km: the least a QSO is worth",
              [](const CheckRules& r) {
                return PerKm(r) ? ", at least " + std::to_string(r.pointsMinimum) : std::string();
              }),
      Setting("band-factors", &CheckRules::bandFactors, BandFactorsOrNone(),
              "a band's QSO points are multiplied by its factor",
              [](const CheckRules& r) {
                std::vector<std::string> factors;
                for (const BandFactor& factor : r.bandFactors) {
                  factors.push_back("times " + std::to_string(factor.factor) + " on " +
                                    factor.band);
                }
                return "; QSO points " + Joined(factors, ", ");
              }),
      Setting("multipliers", &CheckRules::multipliers,
              Choice<MultiplierRule>({{"none", MultiplierRule::kNone},
                                      {"fields", MultiplierRule::kFields},
                                      {"squares", MultiplierRule::kSquares}}),
              "what counts once a band as a multiplier",
              [](const CheckRules& r) {
                return std::string(r.multipliers == MultiplierRule::kNone
                                       ? "; no multipliers"
                                       : "; multipliers squares per band");
              }),
      Setting("score", &CheckRules::score,
              Choice<ScoreFormula>(
                  {{"points-plus-multipliers", ScoreFormula::kPointsPlusMultipliers},
                   {"points-times-multipliers", ScoreFormula::kPointsTimesMultipliers}}),
              "how points and multipliers make the score",
              [](const CheckRules&) { return std::string("; score points times multipliers"); }),
      Setting("points-per-multiplier", &CheckRules::pointsPerMultiplier,
              WholeNumber(0, kLargestCount), "what a multiplier adds in points-plus-multipliers",
              [](const CheckRules& r) {
                return r.score == ScoreFormula::kPointsPlusMultipliers
                           ? ", " + std::to_string(r.pointsPerMultiplier) + " points a multiplier"
                           : std::string();
              }),
  };
}

const std::vector<RuleSetting>& Settings() {
  static const std::vector<RuleSetting> settings = MakeSettings();
  return settings;
}

// Whether the outputs name the setting: always one of the first six, any other where it is not
// at its default.
bool Named(const RuleSetting& setting, const CheckRules& rules) {
  static const CheckRules defaults;
  return setting.firstSix || setting.text(rules) != setting.text(defaults);
}

const RuleSetting* SettingNamed(std::string_view name) {
  for (const RuleSetting& setting : Settings()) {
    if (name == setting.name) {
      return &setting;
    }
  }
  return nullptr;
}

// "name = value   # help (what it takes)".
std::string SettingLine(const RuleSetting& setting, const CheckRules& rules) {
  constexpr std::size_t kCommentColumn = 30;
  std::string line = std::string(setting.name) + " = " + setting.text(rules);
  line.resize(std::max(line.size() + 1, kCommentColumn), ' ');
  return line + "# " + setting.help + " (" + setting.takes + ")\n";
}

// '#' begins a comment, on a line of its own or after a value: no value holds a '#'.
std::string_view WithoutComment(std::string_view line) {
  return line.substr(0, line.find('#'));
}

// The line each setting was set on, by its name.
using SetOnLine = std::map<std::string_view, std::int64_t>;

void CheckPeriod(const CheckRules& rules, const SetOnLine& setOnLine) {
  if (rules.periodStart && rules.periodEnd && *rules.periodEnd <= *rules.periodStart) {
    throw RulesError("rules line " + std::to_string(setOnLine.at("period-end")) + ": period-end " +
                     UtcMinuteText(*rules.periodEnd) + " is not after period-start " +
                     UtcMinuteText(*rules.periodStart) + " (line " +
                     std::to_string(setOnLine.at("period-start")) + ")");
  }
}
}  // namespace

bool CountsBand(const CheckRules& rules, std::string_view band) {
  return rules.bands.empty() ||
         std::find(rules.bands.begin(), rules.bands.end(), band) != rules.bands.end();
}

std::string PeriodText(const CheckRules& rules) {
  if (!rules.periodStart && !rules.periodEnd) {
    return "";
  }
  return (rules.periodStart ? " from " + UtcMinuteText(*rules.periodStart) : "") +
         (rules.periodEnd ? " until " + UtcMinuteText(*rules.periodEnd) : "") + " UTC";
}

bool IsCheckLogSection(const CheckRules& rules, std::string_view section) {
  const std::string key = UpperTrimmed(section);
  return std::find(rules.checkLogSections.begin(), rules.checkLogSections.end(), key) !=
         rules.checkLogSections.end();
}

std::int64_t BandFactorOf(const CheckRules& rules, std::string_view band) {
  for (const BandFactor& factor : rules.bandFactors) {
    if (factor.band == band) {
      return factor.factor;
    }
  }
  return 1;
}

CheckRules ParseRules(std::string_view text) {
  CheckRules rules;
  SetOnLine setOnLine;
  TextLines lines(WithoutUtf8Mark(text));  // as a Windows editor may save it
  for (std::string_view line; lines.Next(&line);) {
    line = TrimControl(WithoutComment(line));
    if (line.empty()) {
      continue;
    }
    const std::string where = "rules line " + std::to_string(lines.Number()) + ": ";
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      throw RulesError(where + "expected 'name = value'");
    }
    const std::string_view name = TrimControl(line.substr(0, equals));
    const std::string_view value = TrimControl(line.substr(equals + 1));
    const RuleSetting* setting = SettingNamed(name);
    if (!setting) {
      throw RulesError(where + "unknown setting '" + std::string(name) + "'");
    }
    try {
      setting->read(value, rules);
    } catch (const RulesError& error) {
      throw RulesError(where + std::string(name) + " " + error.what());
    }
    const auto [first, isFirst] = setOnLine.emplace(setting->name, lines.Number());
    if (!isFirst) {
      throw RulesError(where + std::string(name) + " is set again, first on line " +
                       std::to_string(first->second));
    }
  }
  CheckPeriod(rules, setOnLine);
  return rules;
}

CheckRules ReadRulesFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  if (!file) {
    throw RulesError("cannot read the rules file " + path);
  }
  return ParseRules(content.str());
}

std::string RulesText(const CheckRules& rules) {
  std::string text;
  for (const RuleSetting& setting : Settings()) {
    if (Named(setting, rules)) {
      text += SettingLine(setting, rules);
    }
  }
  return text;
}

std::string FullRulesText(const CheckRules& rules) {
  std::string text;
  for (const RuleSetting& setting : Settings()) {
    text += SettingLine(setting, rules);
  }
  return text;
}

std::string RulesSummary(const CheckRules& rules) {
  std::string summary;
  for (const RuleSetting& setting : Settings()) {
    if (Named(setting, rules)) {
      summary += setting.summary(rules);
    }
  }
  return summary;
}

nlohmann::ordered_json RulesJson(const CheckRules& rules) {
  Json json = Json::object();
  for (const RuleSetting& setting : Settings()) {
    if (Named(setting, rules)) {
      std::string key = setting.name;
      std::replace(key.begin(), key.end(), '-', '_');
      json[key] = setting.json(rules);
    }
  }
  return json;
}
