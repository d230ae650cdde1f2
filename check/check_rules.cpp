#include "check/check_rules.h"

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

#include "logfiles/text_lines.h"
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

// A file saved by a Windows editor may begin with UTF-8's byte-order mark.
std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  return text.substr(0, kMark.size()) == kMark ? text.substr(kMark.size()) : text;
}

// '#' begins a comment, on a line of its own or after a value: no value holds a '#'.
std::string_view WithoutComment(std::string_view line) {
  return line.substr(0, line.find('#'));
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
  std::map<std::string, std::int64_t, std::less<>> setOnLine;
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
    const auto [first, isFirst] = setOnLine.emplace(name, lines.Number());
    if (!isFirst) {
      throw RulesError(where + std::string(name) + " is set again, first on line " +
                       std::to_string(first->second));
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
