#include "check/clock_offsets.h"

#include <gtest/gtest.h>

TEST(ClockOffsets, MedianOfTheDifferences) {
  const struct {
    std::vector<std::int64_t> differences;
    std::int64_t median;
  } cases[] = {
      {{300}, 300},
      {{1200, -60, 0}, 0},
      {{0, 0, 1200, 1200}, 0},  // the lower middle: neither 600, which no QSO shows, nor 1200
      {{120, -60}, -60},
      {{-1500, -1500, -1500, 60, 60, 60}, -1500},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.differences));
    EXPECT_EQ(MedianDifference(c.differences), c.median);
  }
}
