#include "simulator/utc_text.h"

#include <ctime>

std::string FormattedUtc(std::int64_t seconds, const char* format) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm utc{};
  gmtime_r(&time, &utc);
  char text[32];
  std::strftime(text, sizeof text, format, &utc);
  return text;
}
