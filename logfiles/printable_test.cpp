#include "logfiles/printable.h"

#include <gtest/gtest.h>

TEST(Printable, EscapesEveryControlCharacterAndKeepsTheRest) {
  struct Case {
    std::string text, printable;
  } cases[] = {
      {"DL1ABC", "DL1ABC"},
      {"a\tb\r\nc", "a\\x09b\\x0d\\x0ac"},
      {"\x1b[2J\x1b]0;title\x07", "\\x1b[2J\\x1b]0;title\\x07"},
      {std::string("nul\0x", 5), "nul\\x00x"},
      {"\x7f", "\\x7f"},
      {"Gr\xC3\xBC\xC3\x9F"
       "e \xE2\x82\xAC",
       "Gr\xC3\xBC\xC3\x9F"
       "e \xE2\x82\xAC"},  // UTF-8
      {"\xFC"
       "ber \xE9t\xE9",
       "\xFC"
       "ber \xE9t\xE9"},  // Latin-1
      {"\x9B"
       "31m",
       "\\x9b31m"},  // a raw C1 control sequence introducer
      {"\xC2\x9B"
       "31m",
       "\\xc2\\x9b31m"},         // the same in UTF-8
      {"\xC2\xA0", "\xC2\xA0"},  // U+00A0 is no control
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.printable);
    EXPECT_EQ(Printable(c.text), c.printable);
  }
  std::string all;
  for (int c = 0; c < 256; ++c) {
    all.push_back(static_cast<char>(c));
  }
  for (char c : Printable(all)) {
    const unsigned char u = static_cast<unsigned char>(c);
    EXPECT_FALSE(u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F)) << static_cast<int>(u);
  }
}
