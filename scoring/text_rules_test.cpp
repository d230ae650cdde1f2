#include "scoring/text_rules.h"

#include <gtest/gtest.h>

TEST(TextRules, TrimRemovesBlanksAndControlCharactersAtBothEnds) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"", ""},
      {"  ", ""},
      {" \t14 \r\n", "14"},
      {"a b", "a b"},
      {std::string("\x01x\x20", 3), "x"},
      {"\x7f", "\x7f"},  // DEL is above 32 and stays
      // Bytes above 127 are characters of the host's code page, at either end.
      {"\xE9t\xE9", "\xE9t\xE9"},
      {" \xA0JO31\xFF\t", "\xA0JO31\xFF"},
      {"\x80", "\x80"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(TrimControl(c.in), c.out);
  }
}

TEST(TextRules, UpperCasingChangesOnlyAToZ) {
  std::string all;
  for (int c = 1; c < 256; ++c) {
    all.push_back(static_cast<char>(c));
  }
  const std::string upper = UpperAscii(all);
  for (int c = 1; c < 256; ++c) {
    const int expected = (c >= 'a' && c <= 'z') ? c - 32 : c;
    EXPECT_EQ(static_cast<unsigned char>(upper[c - 1]), expected) << "code " << c;
  }
}

TEST(TextRules, LowerCasingChangesOnlyAToZ) {
  for (int c = 0; c < 256; ++c) {
    const int expected = (c >= 'A' && c <= 'Z') ? c + 32 : c;
    EXPECT_EQ(static_cast<unsigned char>(LowerAscii(static_cast<char>(c))), expected)
        << "code " << c;
  }
}
