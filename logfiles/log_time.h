// The time of a QSO as logs write it: a UTC date and a time of day.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Seconds since 1970-01-01 00:00 UTC of `date` ("2024-09-07" as Cabrillo writes it, or "20240907"
// as ADIF does) and `time` ("1405", or "140530" with seconds); nothing when either is not a valid
// date or time of day.
std::optional<std::int64_t> UtcSeconds(std::string_view date, std::string_view time);

// UtcSeconds for a log's QSOs one after another: most share their date with the QSO before, and
// its day is then not worked out again.
class UtcClock {
 public:
  std::optional<std::int64_t> Seconds(std::string_view date, std::string_view time);

 private:
  std::string lastDate_;
  std::optional<std::int64_t> lastDays_;  // of lastDate_
};

// A moment in UTC, as its calendar date and time of day.
struct UtcTime {
  int year, month, day, hour, minute, second;
};

// The calendar date and time of day of `seconds` since 1970-01-01 00:00 UTC.
UtcTime UtcTimeOf(std::int64_t seconds);
