// The kinds of value a rules setting takes (yes or no, a whole number, a moment in UTC, a list of
// bands...): how each is read from a rules file, written back, and put in results.json.
#pragma once

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/check_rules.h"

template <typename T>
struct ValueKind {
  std::string takes;  // for people: "yes or no", "0 to 1440"
  // The value of a trimmed text; throws RulesError saying what it needs and what it was given:
  // "needs yes or no, not 'true'".
  std::function<T(std::string_view)> read;
  std::function<std::string(const T&)> text;  // as a rules file writes it; read gives it back
  std::function<nlohmann::ordered_json(const T&)> json;
};

ValueKind<bool> YesOrNo();

// From `smallest` to `largest` in the file; kept times `unit` (60 for minutes kept as seconds).
ValueKind<std::int64_t> WholeNumber(std::int64_t smallest, std::int64_t largest,
                                    std::int64_t unit = 1);

// The same, or "none" for nothing.
ValueKind<std::optional<std::int64_t>> WholeNumberOrNone(std::int64_t smallest,
                                                         std::int64_t largest,
                                                         std::int64_t unit = 1);

// 4 or 6.
ValueKind<std::size_t> LocatorLength();

// Any text, as written (a rules file holds no '#' in a value: it begins a comment).
ValueKind<std::string> Text();

// "2016-05-07T14:00" (UTC; a 'Z' after it is taken too), kept as seconds since 1970; "none" for
// nothing.
ValueKind<std::optional<std::int64_t>> UtcMinuteOrNone();

// "2016-05-07T14:00": the minute of `seconds` since 1970, UTC, as a rules file writes it.
std::string UtcMinuteText(std::int64_t seconds);

// The items one after another, `separator` between them.
std::string Joined(const std::vector<std::string>& items, std::string_view separator);

// Words between blanks or commas, kept upper-cased; "none" for no word.
ValueKind<std::vector<std::string>> WordsOrNone();

// Bands between blanks or commas, kept as the readers' band texts; "all" for the empty list. A
// band is named by its text ("144", "1.2G"), its frequency in MHz ("1296", "3.5") or its ADIF
// name ("2m", "23cm").
ValueKind<std::vector<std::string>> BandsOrAll();

// "432:2 1296:3": bands, named as BandsOrAll names them, each with its factor (1 to 1000);
// "none" for the empty list.
ValueKind<std::vector<BandFactor>> BandFactorsOrNone();

// The band text of a band's name in a rules file, or nullptr.
const char* BandOfRulesName(std::string_view name);

// One of a few names, each standing for a value.
template <typename T>
ValueKind<T> Choice(std::vector<std::pair<std::string, T>> names) {
  std::string takes;
  for (std::size_t i = 0; i < names.size(); ++i) {
    takes += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i].first;
  }
  const auto text = [names](const T& value) {
    for (const auto& [name, named] : names) {
      if (named == value) {
        return name;
      }
    }
    return std::string();
  };
  const auto read = [names, takes](std::string_view value) {
    for (const auto& [name, named] : names) {
      if (value == name) {
        return named;
      }
    }
    throw RulesError("needs " + takes + ", not '" + std::string(value) + "'");
  };
  return {takes, read, text,
          [text](const T& value) { return nlohmann::ordered_json(text(value)); }};
}
