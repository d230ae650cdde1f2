#include "logfiles/square_set.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(SquareIndex, NumbersEverySquareOnceInEitherCase) {
  std::set<int> seen;
  for (char first = 'A'; first <= 'R'; ++first) {
    for (char second = 'A'; second <= 'R'; ++second) {
      for (char digits = 0; digits < 100; ++digits) {
        const std::string square = {first, second, static_cast<char>('0' + digits / 10),
                                    static_cast<char>('0' + digits % 10)};
        const std::optional<int> index = SquareIndex(square + "lk");
        ASSERT_TRUE(index.has_value()) << square;
        EXPECT_GE(*index, 0);
        EXPECT_LT(*index, kSquareCount);
        EXPECT_EQ(
            SquareIndex(std::string{static_cast<char>(first + 32), static_cast<char>(second + 32)} +
                        square.substr(2)),
            index);
        seen.insert(*index);
      }
    }
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kSquareCount));
  for (const char* text : {"", "JO3", "SA00", "J031", "31JO"}) {
    EXPECT_FALSE(SquareIndex(text).has_value()) << text;
  }
}
