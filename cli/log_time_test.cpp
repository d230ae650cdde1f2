#include "cli/log_time.h"

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
      {"2024/09/07", "1405", std::nullopt},
      {"240907", "1405", std::nullopt},
      {"", "", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.date) + " " + c.time);
    EXPECT_EQ(UtcSeconds(c.date, c.time), c.seconds);
  }
}
