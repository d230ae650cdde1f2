// The contest's score: the distance points plus a bonus for each locator field new on its band.
#pragma once

#include <cstdint>

// What a field new on its band is worth.
inline constexpr std::int32_t kNewFieldBonus = 100;

// The score of `points` and `newFields`. 64-bit: a caller that shows 32-bit counters, as the
// report does, narrows the result and so wraps as 32-bit arithmetic would.
constexpr std::int64_t ContestScore(std::int64_t points, std::int64_t newFields) {
  return points + kNewFieldBonus * newFields;
}
