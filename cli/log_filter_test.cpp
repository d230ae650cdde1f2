#include "cli/log_filter.h"

#include <gtest/gtest.h>

#include "logfiles/log_time.h"

TEST(ParseUtcTime, DatesWithAndWithoutTimes) {
  const std::int64_t day = *UtcSeconds("2025-08-30", "0000");
  struct Case {
    const char* text;
    bool endOfDay;
    std::optional<std::int64_t> seconds;
  } cases[] = {
      {"2025-08-30", false, day},
      {"20250830", false, day},
      {"2025-08-30", true, day + 86400},
      {"2025-08-30T12:00", false, day + 43200},
      {"2025-08-30T12:00", true, day + 43200},  // a time is the time given
      {"2025-08-30 1200", false, day + 43200},
      {"2025-08-30T12:00:30Z", false, day + 43230},
      {"20250830T120030", false, day + 43230},
      {"2025-08-30T24:00", false, std::nullopt},
      {"2025-02-30", false, std::nullopt},
      {"yesterday", false, std::nullopt},
      {"", false, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseUtcTime(c.text, c.endOfDay), c.seconds);
  }
}

TEST(ApplyFilter, KeepsTheQsosOfThePeriodAndTheContest) {
  const std::int64_t start = *UtcSeconds("2025-08-30", "1200");
  ContestLog log;
  log.contest = "WW-DIGI";
  const auto add = [&](const char* call, std::optional<std::int64_t> time, const char* contest) {
    LogQso qso;
    qso.callSign = call;
    qso.utcSeconds = time;
    qso.contestId = contest;
    log.qsos.push_back(qso);
  };
  add("BEFORE", start - 1, "");
  add("FIRST", start, "");
  add("OTHER", start + 60, "CQ-WW-CW");
  add("UNTIMED", std::nullopt, "");
  add("LAST", start + 86399, "ww-digi");  // compared as given: ids are upper-cased on reading
  add("ALSO", start + 86398, "WW-DIGI");
  add("AFTER", start + 86400, "");

  LogFilter filter;
  filter.from = start;
  filter.to = start + 86400;
  filter.contestId = "WW-DIGI";
  const FilterResult result = ApplyFilter(filter, log);
  EXPECT_EQ(result.leftOut, 5);
  EXPECT_EQ(result.untimed, 1);
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].callSign, "FIRST");
  EXPECT_EQ(log.qsos[1].callSign, "ALSO");

  ContestLog untouched = log;
  EXPECT_EQ(ApplyFilter(LogFilter(), untouched).leftOut, 0);
  EXPECT_EQ(untouched.qsos.size(), 2u);
}
