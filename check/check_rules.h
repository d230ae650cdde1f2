// The rules a contest's logs are checked by, read from a small text file. Every setting has a
// default; a file names only what it changes. Beside the struct that keeps them, the settings are
// one table, which the reading, the writing and the outputs walk.
#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

// Each setting's default is its member's initial value.
struct CheckRules {
  std::int64_t windowSeconds = 10 * 60;  // how far apart the two logs' times of a QSO may be
  bool modeMustMatch = true;
  bool uniqueCounts = true;  // a QSO with a call that is in no other log keeps its points
  // Points taken off for a removed QSO, as a multiple of what it claimed, over its removal.
  std::int64_t notInLogPenalty = 0;
  std::int64_t bustedCallPenalty = 0;
  std::int64_t bustedLocatorPenalty = 0;
};

// A rules file that cannot be read, with the line at fault.
class RulesError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Lines "name = value", ending in LF, CR LF or CR; '#' begins a comment, on a line of its own or
// after a value; a UTF-8 byte-order mark is passed over. Throws RulesError for an unknown name, a
// value it cannot take, or a name set twice.
CheckRules ParseRules(std::string_view text);

// Throws RulesError when the file cannot be read either.
CheckRules ReadRulesFile(const std::string& path);

// The rules as a rules file, every setting named and explained in a comment.
std::string RulesText(const CheckRules& rules);

// The rules in a sentence for people, without its full stop: "QSOs match within 10 minutes, ...".
std::string RulesSummary(const CheckRules& rules);

// {"time_window_minutes":10,"mode_must_match":true,...}: each setting in the file's unit.
nlohmann::ordered_json RulesJson(const CheckRules& rules);
