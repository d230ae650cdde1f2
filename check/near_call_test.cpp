#include "check/near_call.h"

#include <gtest/gtest.h>

TEST(NearCall, OneSlipApart) {
  const struct {
    const char* a;
    const char* b;
    bool near;
  } cases[] = {
      {"DL1ABC", "DL1ABD", true},     // last character changed
      {"DL1ABC", "DK1ABC", true},     // inner character changed
      {"DL1ABC", "DL1ACB", true},     // neighbours swapped at the end
      {"DL1ABC", "LD1ABC", true},     // neighbours swapped at the start
      {"DL1ABC", "DL1AB", true},      // last character left out
      {"DL1ABC", "L1ABC", true},      // first character left out
      {"DL1ABC", "DL1AABC", true},    // one added inside
      {"DL1ABC", "DL1ABC", false},    // equal
      {"DL1ABC", "DL2ABD", false},    // two changed
      {"DL1ABC", "DL1CBA", false},    // a swap over a distance
      {"DL1ABC", "DL1A", false},      // two left out
      {"DL1ABC", "DL1ABCDE", false},  // two added
      {"DL1ABC", "DL1BAD", false},    // a swap and a change
      {"", "A", true},
      {"", "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    EXPECT_EQ(AreNearCalls(c.a, c.b), c.near);
    EXPECT_EQ(AreNearCalls(c.b, c.a), c.near);
  }
}
