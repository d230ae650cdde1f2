#include "logfiles/json_string.h"

#include <gtest/gtest.h>

TEST(JsonString, EscapesAndKeepsUtf8) {
  struct Case {
    std::string text, json;
  } cases[] = {
      {"DL1ABC", "\"DL1ABC\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"tab\there\r\n", "\"tab\\u0009here\\u000d\\u000a\""},
      {std::string("nul\0", 4), "\"nul\\u0000\""},
      {"Grüße €", "\"Grüße €\""},
      {"\xFC ber", "\"\\u00fc ber\""},                // Latin-1, not UTF-8
      {"\xE2\x82", "\"\\u00e2\\u0082\""},             // a cut sequence
      {"\xC0\xAF", "\"\\u00c0\\u00af\""},             // an overlong form
      {"\xED\xA0\x80", "\"\\u00ed\\u00a0\\u0080\""},  // a surrogate
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(JsonString(c.text), c.json);
  }
}
