#include "logfiles/code_page.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(CodePage, TheCodePagesOfLogsByTheirNames) {
  struct Case {
    std::string name;
    unsigned char byte;
    std::int32_t point;  // of that byte
  } cases[] = {
      {"cp1250", 0xE2, 0xE2},                                      // â, as in Bârlad
      {"CP1250", 0x8A, 0x160},                                     // Š
      {"cp1251", 0xC0, 0x410},                                     // А
      {"windows-1251", 0xFF, 0x44F},                               // я
      {"cp1251", 0x98, -1},                                        // none
      {"cp1252", 0x80, 0x20AC},                                    // €
      {"iso-8859-1", 0xFC, 0xFC},                                  // ü
      {"latin1", 0xA0, 0xA0},        {"iso-8859-2", 0xB1, 0x105},  // ą
      {"iso-8859-5", 0xB0, 0x410},                                 // А
      {"koi8-r", 0xC1, 0x430},                                     // а
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<CodePage> page = CodePage::Named(c.name);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->CodePoint(c.byte), c.point);
    for (int ascii = 0; ascii < 0x80; ++ascii) {
      EXPECT_EQ(page->CodePoint(static_cast<unsigned char>(ascii)), ascii);
    }
  }
  // Encodings of several bytes a character, or not ASCII where a log's layout is.
  for (const char* name :
       {"utf-8", "utf-16", "utf-7", "shift_jis", "gb18030", "cp037", "no-such", ""}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(CodePage::Named(name).has_value());
  }
}

TEST(CodePage, TextBecomesUtf8) {
  const CodePage cp1251 = *CodePage::Named("cp1251");
  EXPECT_EQ(cp1251.Utf8("UA3ABC \xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2"), "UA3ABC Иван Петров");
  EXPECT_EQ(cp1251.Utf8("a\x98z"), "a\xEF\xBF\xBDz");  // U+FFFD for a byte that stands for none
  EXPECT_EQ(cp1251.Utf8(""), "");
  EXPECT_EQ(CodePage::Named("cp1252")->Utf8("\x80"), "\xE2\x82\xAC");
}

TEST(EncodingOption, ACodePageOrUtf8) {
  EXPECT_EQ(EncodingOption("KOI8-R")->Name(), "KOI8-R");
  EXPECT_FALSE(EncodingOption("utf-8").has_value());
  EXPECT_FALSE(EncodingOption("UTF8").has_value());
  for (const char* name : {"utf-16", "cyrillic-please", ""}) {
    SCOPED_TRACE(name);
    try {
      EncodingOption(name);
      ADD_FAILURE() << "no error";
    } catch (const std::invalid_argument& error) {
      EXPECT_EQ(std::string(error.what()),
                "--encoding needs a single-byte code page (cp1250, cp1251, cp1252, iso-8859-1, "
                "iso-8859-2, iso-8859-5, koi8-r, ...) or utf-8, not '" +
                    std::string(name) + "'");
    }
  }
}
