#include "ui/shown_text.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(ShownText, ShowsControlCharactersButTabsAndLineEndsAsQuestionMarks) {
  struct Case {
    const char* name;
    std::string text;
    std::string shown;
  } const cases[] = {
      {"report", "Band\t  QSOs\r\n   14\t    1\r\n Score",
       "Band\t  QSOs\r\n   14\t    1\r\n Score"},
      {"NUL", "1\0004\r\nTotal"s, "1?4\r\nTotal"},
      {"controls", "\x01\x1b\x1f\x7f", "????"},
      {"lone line ends", "a\rb\nc\n\r\n", "a?b?c?\r\n"},
      {"CR at the end", "a\r", "a?"},
      {"code page characters", "\x80\xE9\xFF", "\x80\xE9\xFF"},
      {"empty", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ShownText(c.text), c.shown);
  }
}
