#include "check/check_rules.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "logfiles/text_lines.h"
#include "scoring/text_rules.h"

namespace {
// One setting: how a rules file names it, what it takes, where CheckRules keeps it (with its
// default), and how the outputs explain it. A setting is a whole number from 0 or a yes or no.
struct RuleSetting {
  const char* name;                       // in a rules file; results.json has '_' for '-'
  std::int64_t CheckRules::*wholeNumber;  // where a whole number is kept, or
  bool CheckRules::*yesOrNo;              // where a yes or no is kept
  std::int64_t largest;                   // a whole number's largest value
  std::int64_t unit;                      // one of the file's units as kept: 60 for minutes
  const char* help;                       // the comment of a written rules file
  // The setting's part of RulesSummary, beginning with what joins it to the part before.
  std::string (*summary)(std::int64_t value);
};

constexpr RuleSetting WholeNumber(const char* name, std::int64_t CheckRules::*kept,
                                  std::int64_t largest, std::int64_t unit, const char* help,
                                  std::string (*summary)(std::int64_t)) {
  return {name, kept, nullptr, largest, unit, help, summary};
}

constexpr RuleSetting YesOrNo(const char* name, bool CheckRules::*kept, const char* help,
                              std::string (*summary)(std::int64_t)) {
  return {name, nullptr, kept, 1, 1, help, summary};
}

// Whole minutes, up to a day: a window wider than that would match QSOs of different days.
constexpr std::int64_t kLongestWindowMinutes = 24 * 60;
constexpr std::int64_t kLargestPenalty = 100;
constexpr std::int64_t kSecondsPerMinute = 60;

constexpr RuleSetting kSettings[] = {
    WholeNumber("time-window-minutes", &CheckRules::windowSeconds, kLongestWindowMinutes,
                kSecondsPerMinute, "how far apart the two logs' times of a QSO may be",
                [](std::int64_t minutes) {
                  return "QSOs match within " + std::to_string(minutes) + " minutes";
                }),
    YesOrNo(
        "mode-must-match", &CheckRules::modeMustMatch,
        "whether the two logs must give a QSO the same mode",
        [](std::int64_t yes) { return std::string(yes ? ", in the same mode" : ", in any mode"); }),
    YesOrNo("unique-counts", &CheckRules::uniqueCounts,
            "whether a unique call's QSO keeps its points",
            [](std::int64_t yes) {
              return std::string(yes ? "; unique calls count" : "; unique calls do not count");
            }),
    WholeNumber("penalty-not-in-log", &CheckRules::notInLogPenalty, kLargestPenalty, 1,
                "penalty for a not-in-log QSO, times its points",
                [](std::int64_t times) {
                  return "; penalties (times the QSO's points) not in log " + std::to_string(times);
                }),
    WholeNumber("penalty-busted-call", &CheckRules::bustedCallPenalty, kLargestPenalty, 1,
                "penalty for a busted call, times the QSO's points",
                [](std::int64_t times) { return ", busted call " + std::to_string(times); }),
    WholeNumber("penalty-busted-locator", &CheckRules::bustedLocatorPenalty, kLargestPenalty, 1,
                "penalty for a busted locator, times the QSO's points",
                [](std::int64_t times) { return ", busted locator " + std::to_string(times); }),
};
constexpr std::size_t kSettingCount = sizeof kSettings / sizeof kSettings[0];

// The setting's value in the file's unit.
std::int64_t ValueOf(const RuleSetting& setting, const CheckRules& rules) {
  return setting.yesOrNo ? rules.*setting.yesOrNo : rules.*setting.wholeNumber / setting.unit;
}

void Keep(const RuleSetting& setting, std::int64_t value, CheckRules& rules) {
  if (setting.yesOrNo) {
    rules.*setting.yesOrNo = value != 0;
  } else {
    rules.*setting.wholeNumber = value * setting.unit;
  }
}

// "0 to 1440", "yes or no": what the setting takes.
std::string Takes(const RuleSetting& setting) {
  return setting.yesOrNo ? "yes or no" : "0 to " + std::to_string(setting.largest);
}

std::string ValueText(const RuleSetting& setting, std::int64_t value) {
  if (setting.yesOrNo) {
    return value ? "yes" : "no";
  }
  return std::to_string(value);
}

// Throws RulesError, without the line, for a value the setting cannot take.
std::int64_t ReadValue(const RuleSetting& setting, std::string_view value) {
  if (setting.yesOrNo) {
    if (value == "yes" || value == "no") {
      return value == "yes";
    }
    throw RulesError("needs yes or no");
  }
  std::int64_t number = 0;
  const auto result = std::from_chars(value.data(), value.data() + value.size(), number);
  if (result.ec != std::errc() || result.ptr != value.data() + value.size() || number < 0 ||
      number > setting.largest) {
    throw RulesError("needs a whole number from " + Takes(setting));
  }
  return number;
}

const RuleSetting* SettingNamed(std::string_view name) {
  for (const RuleSetting& setting : kSettings) {
    if (name == setting.name) {
      return &setting;
    }
  }
  return nullptr;
}

// A file saved by a Windows editor may begin with UTF-8's byte-order mark.
std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  return text.substr(0, kMark.size()) == kMark ? text.substr(kMark.size()) : text;
}

// '#' begins a comment, on a line of its own or after a value: no value holds a '#'.
std::string_view WithoutComment(std::string_view line) {
  return line.substr(0, line.find('#'));
}
}  // namespace

CheckRules ParseRules(std::string_view text) {
  CheckRules rules;
  std::int64_t setOnLine[kSettingCount] = {};
  TextLines lines(WithoutByteOrderMark(text));
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
      Keep(*setting, ReadValue(*setting, value), rules);
    } catch (const RulesError& error) {
      throw RulesError(where + std::string(name) + " " + error.what() + ", not '" +
                       std::string(value) + "'");
    }
    std::int64_t& firstLine = setOnLine[setting - kSettings];
    if (firstLine != 0) {
      throw RulesError(where + std::string(name) + " is set again, first on line " +
                       std::to_string(firstLine));
    }
    firstLine = lines.Number();
  }
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
  constexpr std::size_t kCommentColumn = 30;
  std::string text;
  for (const RuleSetting& setting : kSettings) {
    std::string line =
        std::string(setting.name) + " = " + ValueText(setting, ValueOf(setting, rules));
    line.resize(std::max(line.size() + 1, kCommentColumn), ' ');
    text += line + "# " + setting.help + " (" + Takes(setting) + ")\n";
  }
  return text;
}

std::string RulesSummary(const CheckRules& rules) {
  std::string summary;
  for (const RuleSetting& setting : kSettings) {
    summary += setting.summary(ValueOf(setting, rules));
  }
  return summary;
}

nlohmann::ordered_json RulesJson(const CheckRules& rules) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  for (const RuleSetting& setting : kSettings) {
    std::string key = setting.name;
    std::replace(key.begin(), key.end(), '-', '_');
    const std::int64_t value = ValueOf(setting, rules);
    json[key] =
        setting.yesOrNo ? nlohmann::ordered_json(value != 0) : nlohmann::ordered_json(value);
  }
  return json;
}
