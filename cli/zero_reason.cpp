#include "cli/zero_reason.h"

#include "logfiles/log_text.h"

namespace {
struct ReasonName {
  const char* key;
  const char* text;
};
constexpr ReasonName kNames[kZeroReasonCount] = {
    {"", ""},
    {"duplicate", "duplicate"},
    {"no_locator", "no locator in the exchange"},
    {"invalid_locator", "not a valid locator"},
    {"distance_outside_table", "distance outside the points table"},
};

// A word of the exchange meant as a locator, valid or not: "59" or "001" are not.
bool HasLocatorLikeWord(std::string_view exchange) {
  std::size_t p = 0;
  for (std::string_view word = NextWord(exchange, &p); !word.empty();
       word = NextWord(exchange, &p)) {
    if (LooksLikeLocator(word)) {
      return true;
    }
  }
  return false;
}
}  // namespace

ZeroReason ZeroReasonOf(const QsoResult& result, const std::string& exchange) {
  if (result.duplicate) {
    return ZeroReason::kDuplicate;
  }
  if (result.points > 0) {
    return ZeroReason::kNone;
  }
  if (result.distanceKm) {
    return ZeroReason::kOutsideTable;
  }
  return HasLocatorLikeWord(exchange) ? ZeroReason::kInvalidLocator : ZeroReason::kNoLocator;
}

const char* ZeroReasonKey(ZeroReason reason) {
  return kNames[static_cast<std::size_t>(reason)].key;
}

const char* ZeroReasonText(ZeroReason reason) {
  return kNames[static_cast<std::size_t>(reason)].text;
}
