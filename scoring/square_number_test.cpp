#include "scoring/square_number.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

TEST(SquareNumber, WalksEverySquareBothWaysInEitherCase) {
  int number = 0;
  for (char first = 'A'; first <= 'R'; ++first) {
    for (char second = 'A'; second <= 'R'; ++second) {
      for (int digits = 0; digits < 100; ++digits) {
        const std::string square = {first, second, static_cast<char>('0' + digits / 10),
                                    static_cast<char>('0' + digits % 10)};
        const std::string lower = {LowerAscii(first), LowerAscii(second), square[2], square[3]};
        ASSERT_EQ(SquareNumber(square), number) << square;
        ASSERT_EQ(SquareNumber(lower + "lk"), number) << lower;
        ASSERT_EQ(SquareText(number), square) << number;
        ++number;
      }
    }
  }
  EXPECT_EQ(number, kSquareCount);
  for (const char* text : {"", "JO3", "SA00", "J031", "31JO"}) {
    EXPECT_FALSE(SquareNumber(text).has_value()) << text;
  }
}

TEST(SquareNumber, RowAndColumnPlaceASquareOnTheGlobe) {
  // Rows from 90 S, a degree each; columns from 180 W, two degrees each.
  struct {
    const char* square;
    int row, column;
  } const cases[] = {
      {"AA00", 0, 0},    {"RR99", 179, 179}, {"JO31", 141, 93},  // 51 N, 6 E
      {"IO91", 141, 89},                                         // 51 N, 2 W
      {"PF95", 55, 159},                                         // 35 S, 138 E
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.square);
    const int square = *SquareNumber(c.square);
    EXPECT_EQ(SquareRow(square), c.row);
    EXPECT_EQ(SquareColumn(square), c.column);
  }
  std::set<std::pair<int, int>> places;
  for (int square = 0; square < kSquareCount; ++square) {
    places.insert({SquareRow(square), SquareColumn(square)});
  }
  EXPECT_EQ(places.size(), static_cast<std::size_t>(kSquareCount));
  EXPECT_EQ(*places.rbegin(), std::make_pair(179, 179));
}
