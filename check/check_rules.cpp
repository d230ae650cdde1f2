#include "check/check_rules.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "scoring/text_rules.h"

namespace {
// Whole minutes, up to a day: a window wider than that would match QSOs of different days.
constexpr std::int64_t kLongestWindowMinutes = 24 * 60;
constexpr std::int64_t kLargestPenalty = 100;

std::int64_t WholeNumber(std::string_view value, std::int64_t largest) {
  std::int64_t number = 0;
  const auto result = std::from_chars(value.data(), value.data() + value.size(), number);
  if (result.ec != std::errc() || result.ptr != value.data() + value.size() || number < 0 ||
      number > largest) {
    throw RulesError("needs a whole number from 0 to " + std::to_string(largest));
  }
  return number;
}

bool YesOrNo(std::string_view value) {
  if (value == "yes") {
    return true;
  }
  if (value == "no") {
    return false;
  }
  throw RulesError("needs yes or no");
}

// False when no setting has that name.
bool Apply(std::string_view name, std::string_view value, CheckRules& rules) {
  if (name == "time-window-minutes") {
    rules.windowSeconds = 60 * WholeNumber(value, kLongestWindowMinutes);
  } else if (name == "mode-must-match") {
    rules.modeMustMatch = YesOrNo(value);
  } else if (name == "unique-counts") {
    rules.uniqueCounts = YesOrNo(value);
  } else if (name == "penalty-not-in-log") {
    rules.notInLogPenalty = WholeNumber(value, kLargestPenalty);
  } else if (name == "penalty-busted-call") {
    rules.bustedCallPenalty = WholeNumber(value, kLargestPenalty);
  } else if (name == "penalty-busted-locator") {
    rules.bustedLocatorPenalty = WholeNumber(value, kLargestPenalty);
  } else {
    return false;
  }
  return true;
}
}  // namespace

CheckRules ParseRules(std::string_view text) {
  CheckRules rules;
  int number = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    ++number;
    const std::string_view line = TrimControl(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == '#') {
      continue;
    }
    const std::string where = "rules line " + std::to_string(number) + ": ";
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      throw RulesError(where + "expected 'name = value'");
    }
    const std::string_view name = TrimControl(line.substr(0, equals));
    const std::string_view value = TrimControl(line.substr(equals + 1));
    bool known = false;
    try {
      known = Apply(name, value, rules);
    } catch (const RulesError& error) {
      throw RulesError(where + std::string(name) + " " + error.what() + ", not '" +
                       std::string(value) + "'");
    }
    if (!known) {
      throw RulesError(where + "unknown setting '" + std::string(name) + "'");
    }
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
  const auto yesNo = [](bool value) { return value ? "yes" : "no"; };
  return "time-window-minutes = " + std::to_string(rules.windowSeconds / 60) +
         "\nmode-must-match = " + yesNo(rules.modeMustMatch) +
         "\nunique-counts = " + yesNo(rules.uniqueCounts) +
         "\npenalty-not-in-log = " + std::to_string(rules.notInLogPenalty) +
         "\npenalty-busted-call = " + std::to_string(rules.bustedCallPenalty) +
         "\npenalty-busted-locator = " + std::to_string(rules.bustedLocatorPenalty) + "\n";
}
