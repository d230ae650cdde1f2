#include "logfiles/log_time.h"

#include <gtest/gtest.h>

TEST(UtcSeconds, ReadsCabrilloAndAdifDatesAndTimes) {
  struct Case {
    const char *date, *time;
    std::optional<std::int64_t> seconds;
  } cases[] = {
      {"1970-01-01", "0000", 0},
      {"19700101", "000001", 1},
      {"2024-09-07", "1405", 1725717900},
      {"20240907", "140530", 1725717930},
      {"2024-02-29", "2359", 1709251140},  // a leap day
      {"2023-02-29", "1200", std::nullopt},
      {"2100-02-29", "1200", std::nullopt},  // no leap year
      {"2000-02-29", "1200", 951825600},     // a leap year
      {"2024-13-01", "1200", std::nullopt},
      {"2024-09-07", "2400", std::nullopt},
      {"2024-09-07", "1260", std::nullopt},
      {"2024-09-07", "14:05", std::nullopt},
      {"2024-09-07", "140560", std::nullopt},
      {"2024-09-07", "14053a", std::nullopt},
      {"2024-09-07", "1/05", std::nullopt},  // '/' lies just below '0'
      {"2024-09-07", "14 5", std::nullopt},
      {"2024-09-07", "14055", std::nullopt},
      {"2024/09/07", "1405", std::nullopt},
      {"240907", "1405", std::nullopt},
      {"", "", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.date) + " " + c.time);
    EXPECT_EQ(UtcSeconds(c.date, c.time), c.seconds);
  }
}

TEST(UtcTimeOf, IsTheInverseOfUtcSeconds) {
  struct Case {
    const char *date, *time;
    UtcTime expected;
  } cases[] = {
      {"1970-01-01", "000000", {1970, 1, 1, 0, 0, 0}},
      {"2024-02-29", "235959", {2024, 2, 29, 23, 59, 59}},
      {"2000-03-01", "120030", {2000, 3, 1, 12, 0, 30}},
      {"2100-12-31", "0101", {2100, 12, 31, 1, 1, 0}},
      {"1969-12-31", "2359", {1969, 12, 31, 23, 59, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.date) + " " + c.time);
    const UtcTime t = UtcTimeOf(*UtcSeconds(c.date, c.time));
    EXPECT_EQ(t.year, c.expected.year);
    EXPECT_EQ(t.month, c.expected.month);
    EXPECT_EQ(t.day, c.expected.day);
    EXPECT_EQ(t.hour, c.expected.hour);
    EXPECT_EQ(t.minute, c.expected.minute);
    EXPECT_EQ(t.second, c.expected.second);
  }
}

// The clock keeps the day of the date before: a date that repeats, changes (if only in its first
// or last byte, or in length), turns invalid and comes back gives what UtcSeconds gives each time.
TEST(UtcClock, AgreesWithUtcSecondsForEachQsoInTurn) {
  const std::pair<const char*, const char*> qsos[] = {
      {"", "1200"},         {"20240907", "1405"},   {"20240907", "140530"}, {"20240907", "2561"},
      {"20240908", "0000"}, {"2024-09-08", "0001"}, {"20230229", "1200"},   {"20230229", "1300"},
      {"20240907", "1405"}, {"", "1405"},           {"20240908", "1405"},   {"30240908", "1405"},
      {"30240909", "1405"}, {"2024090", "1405"},    {"202409088", "1405"},
  };
  UtcClock clock;
  for (const auto& [date, time] : qsos) {
    EXPECT_EQ(clock.Seconds(date, time), UtcSeconds(date, time)) << date << " " << time;
  }
}
