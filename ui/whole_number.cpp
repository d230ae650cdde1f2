#include "ui/whole_number.h"

#include <cstdint>
#include <limits>

std::optional<int> ReadWholeNumber(const std::string& text) {
  std::size_t at = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    at = 1;
  }
  if (at == text.size()) {
    return std::nullopt;
  }
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                      : std::numeric_limits<int>::max();
  std::int64_t magnitude = 0;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) {
      return std::nullopt;
    }
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}
