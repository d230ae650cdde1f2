#include "ui/whole_number.h"

#include <gtest/gtest.h>

TEST(ReadWholeNumber, DecimalWithOptionalSignWithinRange) {
  struct Case {
    const char* text;
    bool isNumber;
    int value;
  } cases[] = {
      {"0", true, 0},
      {"96", true, 96},
      {"-32000", true, -32000},
      {"+5", true, 5},
      {"007", true, 7},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"99999999999999999999", false, 0},
      {"", false, 0},
      {"-", false, 0},
      {"+", false, 0},
      {" 5", false, 0},
      {"5 ", false, 0},
      {"5.0", false, 0},
      {"$1F", false, 0},
      {"0x1F", false, 0},
      {"abc", false, 0},
      {"--5", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<int> value = ReadWholeNumber(c.text);
    ASSERT_EQ(value.has_value(), c.isNumber);
    if (c.isNumber) {
      EXPECT_EQ(*value, c.value);
    }
  }
}
