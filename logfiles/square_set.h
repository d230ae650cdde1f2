// Locator squares as numbers, for sets of squares that cost the same however many a log names:
// there are 18 x 18 fields of 10 x 10 squares.
#pragma once

#include <bitset>
#include <optional>
#include <string>
#include <string_view>

#include "logfiles/log_text.h"

inline constexpr int kSquareCount = 18 * 18 * 10 * 10;

// The number of the square that `locator` begins with (either case), or nothing when it begins
// with none. Inline: the scorer numbers the squares of every QSO.
inline std::optional<int> SquareIndex(std::string_view locator) {
  if (!StartsWithSquare(locator)) {
    return std::nullopt;
  }
  const auto letter = [](char c) { return c >= 'a' ? c - 'a' : c - 'A'; };
  return ((letter(locator[0]) * 18 + letter(locator[1])) * 10 + (locator[2] - '0')) * 10 +
         (locator[3] - '0');
}

// The square of that number, in upper case ("JO31").
std::string SquareText(int square);

class SquareSet {
 public:
  // True when `square` was not in the set before.
  bool Insert(int square) {
    const bool added = !seen_[static_cast<std::size_t>(square)];
    seen_.set(static_cast<std::size_t>(square));
    return added;
  }

 private:
  std::bitset<kSquareCount> seen_;
};
