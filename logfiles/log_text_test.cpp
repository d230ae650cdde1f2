#include "logfiles/log_text.h"

#include <gtest/gtest.h>

TEST(LogText, LocatorsAndWhatLooksLikeOne) {
  struct Case {
    const char* text;
    bool locator, looksLikeOne;
  } cases[] = {
      {"JO31", true, true},       {"jo31lk", true, true},       {"JO31LK12", true, true},
      {"JO31lk12ab", true, true}, {"RR99XX99XX", true, true},   {"AA00AA00AA", true, true},
      {"JO31X", false, true},     {"JO31LK1", false, true},     {"JO31YY", false, true},
      {"JO31LKAB", false, true},  {"JO31LK12ABC", false, true}, {"ZZ00", false, true},
      {"IN2dp", false, true},     {"SA00", false, true},        {"J031", false, false},
      {"JO3", false, true},       {"599", false, false},        {"JOHN", false, false},
      {"28", false, false},       {"", false, false},           {"5NN", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IsLocator(c.text), c.locator);
    EXPECT_EQ(LooksLikeLocator(c.text), c.looksLikeOne);
  }
}

// Texts of every length around the word sizes, each against itself and against copies that differ
// in one byte, wherever it lies, or in their length.
TEST(LogText, SameShortTextComparesEveryByte) {
  for (std::size_t size = 0; size <= 20; ++size) {
    std::string a;
    for (std::size_t i = 0; i < size; ++i) {
      a += static_cast<char>('A' + i);
    }
    SCOPED_TRACE(a);
    EXPECT_TRUE(SameShortText(a, std::string(a)));
    EXPECT_FALSE(SameShortText(a, a + 'A'));
    for (std::size_t i = 0; i < size; ++i) {
      std::string b = a;
      b[i] = static_cast<char>(b[i] ^ 0x80);
      EXPECT_FALSE(SameShortText(a, b)) << i;
      EXPECT_FALSE(SameShortText(b, a)) << i;
    }
  }
}

// Every length around the word sizes: each byte arrives, and not one byte beyond the text is
// written.
TEST(LogText, CopyShortTextWritesTheTextAndNothingElse) {
  for (std::size_t size = 0; size <= 40; ++size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
      text += static_cast<char>('a' + i % 26);
    }
    std::string room(size + 16, '#');
    CopyShortText(room.data() + 8, text);
    EXPECT_EQ(room, std::string(8, '#') + text + std::string(8, '#')) << size;
  }
}

// Every byte at every place of texts around the word sizes, among bytes next to a..z and beyond
// 0x80, where a sum carried into the next byte or a top bit would show.
TEST(LogText, HasLowerCaseFindsEachLetterAnywhere) {
  for (const char filler : {'A', '`', '{', '\xE1', '\xFF', '\0'}) {
    for (std::size_t size = 0; size <= 20; ++size) {
      const std::string text(size, filler);
      EXPECT_FALSE(HasLowerCase(text)) << size;
      for (std::size_t i = 0; i < size; ++i) {
        for (int byte = 0; byte < 256; ++byte) {
          std::string changed = text;
          changed[i] = static_cast<char>(byte);
          ASSERT_EQ(HasLowerCase(changed), byte >= 'a' && byte <= 'z')
              << "size " << size << " at " << i << " byte " << byte << " among "
              << static_cast<int>(filler);
        }
      }
    }
  }
}
