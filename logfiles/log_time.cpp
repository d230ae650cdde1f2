#include "logfiles/log_time.h"

#include "logfiles/log_text.h"

namespace {
// The number the digits of `text` make, or nothing when any character is not a digit.
std::optional<int> Digits(std::string_view text) {
  if (text.empty()) {
    return std::nullopt;
  }
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
  }
  return value;
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
std::int64_t DaysSinceEpoch(int year, int month, int day) {
  const int y = month <= 2 ? year - 1 : year;
  const int era = y / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
}

// YYYYMMDD or YYYY-MM-DD.
std::optional<std::int64_t> Days(std::string_view date) {
  const bool dashed = date.size() == 10 && date[4] == '-' && date[7] == '-';
  if (date.size() != 8 && !dashed) {
    return std::nullopt;
  }
  const std::size_t monthAt = dashed ? 5 : 4;
  const std::size_t dayAt = dashed ? 8 : 6;
  const auto year = Digits(date.substr(0, 4));
  const auto month = Digits(date.substr(monthAt, 2));
  const auto day = Digits(date.substr(dayAt, 2));
  if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 ||
      *day > DaysInMonth(*year, *month)) {
    return std::nullopt;
  }
  return DaysSinceEpoch(*year, *month, *day);
}

// The number two digits at `p` make, or -1 when either is no digit.
int TwoDigits(const char* p) {
  const unsigned tens = static_cast<unsigned char>(p[0]) - unsigned{'0'};
  const unsigned ones = static_cast<unsigned char>(p[1]) - unsigned{'0'};
  return tens <= 9 && ones <= 9 ? static_cast<int>(tens * 10 + ones) : -1;
}

// Read for every QSO of a log: two digits at a time, with no optional between.
std::optional<int> SecondsOfDay(std::string_view time) {
  if (time.size() != 4 && time.size() != 6) {
    return std::nullopt;
  }
  const int hours = TwoDigits(time.data());
  const int minutes = TwoDigits(time.data() + 2);
  const int seconds = time.size() == 6 ? TwoDigits(time.data() + 4) : 0;
  if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59) {
    return std::nullopt;
  }
  return (hours * 60 + minutes) * 60 + seconds;
}
}  // namespace

std::optional<std::int64_t> UtcSeconds(std::string_view date, std::string_view time) {
  return UtcClock().Seconds(date, time);
}

std::optional<std::int64_t> UtcClock::Seconds(std::string_view date, std::string_view time) {
  if (!SameShortText(date, lastDate_)) {
    lastDate_ = date;
    lastDays_ = Days(date);
  }
  const auto seconds = SecondsOfDay(time);
  if (!lastDays_ || !seconds) {
    return std::nullopt;
  }
  return *lastDays_ * 86400 + *seconds;
}

UtcTime UtcTimeOf(std::int64_t seconds) {
  std::int64_t days = seconds / 86400;
  std::int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  // The inverse of DaysSinceEpoch, era by era of 400 years.
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year,
          month,
          day,
          static_cast<int>(rest / 3600),
          static_cast<int>(rest / 60 % 60),
          static_cast<int>(rest % 60)};
}
