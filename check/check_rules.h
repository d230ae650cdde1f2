// The rules a contest's logs are checked by, read from a small text file. Every setting has a
// default; a file names only what it changes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

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

// The rules as a rules file would write them, every setting named.
std::string RulesText(const CheckRules& rules);
