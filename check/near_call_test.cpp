#include "check/near_call.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

namespace {
// The reference: the fewest changes, omissions, additions and swaps of neighbours that turn one
// text into the other, counted plainly.
std::size_t Slips(const std::string& a, const std::string& b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) {
    for (std::size_t j = 0; j <= b.size(); ++j) {
      if (i == 0 || j == 0) {
        d[i][j] = i + j;
        continue;
      }
      d[i][j] = std::min(
          {d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

// Every text of up to `longest` characters from `letters`.
std::vector<std::string> AllTexts(const std::string& letters, std::size_t longest) {
  std::vector<std::string> texts = {""};
  for (std::size_t begin = 0; texts.back().size() < longest;) {
    const std::size_t end = texts.size();
    for (std::size_t i = begin; i < end; ++i) {
      for (char letter : letters) {
        texts.push_back(texts[i] + letter);
      }
    }
    begin = end;
  }
  return texts;
}
}  // namespace

TEST(NearCall, ExactlyOneSlipOverEveryShortText) {
  const std::vector<std::string> texts = AllTexts("AB1", 4);
  for (const std::string& a : texts) {
    for (const std::string& b : texts) {
      SCOPED_TRACE(a + " / " + b);
      EXPECT_EQ(AreNearCalls(a, b), Slips(a, b) == 1);
    }
  }
}
