#include "logfiles/utf8.h"

#include <gtest/gtest.h>

TEST(Utf8Text, EveryByteAloneIsItsLatin1Character) {
  for (unsigned byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    const std::string utf8 = Utf8Text(std::string(1, static_cast<char>(byte)));
    if (byte < 0x80) {
      EXPECT_EQ(utf8, std::string(1, static_cast<char>(byte)));
    } else {
      const std::string expected = {static_cast<char>(0xC0 | byte >> 6),
                                    static_cast<char>(0x80 | (byte & 0x3F))};
      EXPECT_EQ(utf8, expected);
    }
  }
}

TEST(Utf8Text, KeepsUtf8AndMendsTheRest) {
  const struct {
    const char* text;
    const char* utf8;
  } cases[] = {
      {"DL1ABC", "DL1ABC"},
      {"Grüße € 𝄞", "Grüße € 𝄞"},
      {"M\xFCller", "Müller"},                // Latin-1
      {"\xE2\x82", "\xC3\xA2\xC2\x82"},       // a cut sequence
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},       // an overlong form
      {"\xED\xA0\x80", "í\xC2\xA0\xC2\x80"},  // a surrogate
      {"é\xE9", "éé"},                        // UTF-8 and Latin-1 side by side
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string utf8 = Utf8Text(c.text);
    EXPECT_EQ(utf8, c.utf8);
    EXPECT_TRUE(IsUtf8(utf8));
  }
}

TEST(IsUtf8, WellFormedSequencesOnly) {
  struct Case {
    std::string text;
    bool utf8;
  } cases[] = {
      {"", true},
      {"UA3ABC", true},
      {"Иван Bârlad €", true},
      {"\xC8\xE2\xE0\xED", false},  // cp1251
      {"B\xE2rlad", false},         // cp1250
      {"\xD0", false},              // cut
      {"\xC0\xAF", false},          // overlong
      {"\xED\xA0\x80", false},      // surrogate
      {std::string("a\0b", 3), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IsUtf8(c.text), c.utf8);
  }
}
