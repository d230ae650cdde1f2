#include "logfiles/json_string.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

TEST(JsonString, EscapesAndKeepsUtf8) {
  struct Case {
    std::string text, json;
  } cases[] = {
      {"DL1ABC", "\"DL1ABC\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"tab\there\r\n", "\"tab\\there\\r\\n\""},
      {std::string("nul\0", 4), "\"nul\\u0000\""},
      {"Grüße €", "\"Grüße €\""},
      {"\x1b[2J", "\"\\u001b[2J\""},
      {"\xFC ber", "\"\xC3\xBC ber\""},                  // Latin-1, not UTF-8
      {"\xE2\x82", "\"\xC3\xA2\xC2\x82\""},              // a cut sequence
      {"\xC0\xAF", "\"\xC3\x80\xC2\xAF\""},              // an overlong form
      {"\xED\xA0\x80", "\"\xC3\xAD\xC2\xA0\xC2\x80\""},  // a surrogate
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(JsonString(c.text), c.json);
  }
}

// The plain texts skip the library: each byte alone, and in a plain text, as the library writes it.
TEST(JsonString, PlainTextsAsTheLibraryWritesThem) {
  for (unsigned byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    for (const std::string& text : {std::string(1, static_cast<char>(byte)),
                                    "DL1" + std::string(1, static_cast<char>(byte)) + "BC"}) {
      EXPECT_EQ(JsonString(text), JsonText(text).dump());
    }
  }
}
