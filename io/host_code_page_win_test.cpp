// The host's code page under Windows: converting into a reused buffer gives what a conversion of
// the whole text by the system gives.
#include "io/host_code_page_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "io/host_code_page.h"

namespace {
std::string SystemConversion(const std::u16string& wide) {
  return NarrowToHostText(std::wstring(wide.begin(), wide.end()));
}
}  // namespace

TEST(HostCodePage, EveryUtf16UnitConvertsAsTheSystemConvertsIt) {
  std::string text = "a text the conversion writes over";
  for (unsigned unit = 0; unit < 0x10000; ++unit) {
    const std::u16string wide = {u'x', static_cast<char16_t>(unit), u'y'};
    ToHostCodePage(wide, text);
    ASSERT_EQ(text, SystemConversion(wide)) << "unit " << unit;
  }
}

TEST(HostCodePage, TextsWithSurrogatesConvertAsTheSystemConvertsThem) {
  const std::u16string cases[] = {
      u"a\U0001F4E1b",       // a pair
      u"a\xD800",            // a lone high surrogate at the end
      u"\xDC00z\u00e9",      // a lone low surrogate
      u"\u0416 \U00010437",  // a character outside the code page, then a pair
      u"",
  };
  std::string text;
  for (const std::u16string& wide : cases) {
    SCOPED_TRACE(SystemConversion(wide));
    ToHostCodePage(wide, text);
    EXPECT_EQ(text, SystemConversion(wide));
    EXPECT_EQ(ToHostCodePage(wide), SystemConversion(wide));
  }
}
