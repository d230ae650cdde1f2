#include "io/host_code_page.h"

#include <gtest/gtest.h>

TEST(HostCodePage, EveryLatin1CharacterRoundTrips) {
  std::string all;
  for (int c = 0; c < 256; ++c) {
    all.push_back(static_cast<char>(c));
  }
  const std::u16string wide = FromHostCodePage(all);
  ASSERT_EQ(wide.size(), 256u);
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(wide[static_cast<std::size_t>(c)], static_cast<char16_t>(c));
  }
  EXPECT_EQ(ToHostCodePage(wide), all);
}

TEST(HostCodePage, ACharacterOutsideTheCodePageBecomesOneQuestionMark) {
  struct Case {
    std::u16string wide;
    std::string host;
  } cases[] = {
      {u"\u00e9t\u00e9", "\xe9t\xe9"},
      {u"\u0416uk", "?uk"},      // Cyrillic
      {u"a\U0001F4E1b", "a?b"},  // a surrogate pair is one character
      {u"a\xD800"
       u"b",
       "a?b"},  // a lone surrogate
      {u"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.host);
    EXPECT_EQ(ToHostCodePage(c.wide), c.host);
  }
}
