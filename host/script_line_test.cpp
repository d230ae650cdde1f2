#include "host/script_line.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptLine, BlankAndCommentLines) {
  struct Case {
    std::string line;
    bool skipped;
  } cases[] = {
      {"", true},     {"  \t\r", true},         {"# a comment", true}, {"  # indented", true},
      {"run", false}, {"add A 14 CW #1", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(IsBlankOrComment(c.line), c.skipped);
  }
}

TEST(ScriptLine, WordsAndTheTextAfterThem) {
  const std::string line = "add\tDL1AB  14 CW   599 KO85 ";
  EXPECT_EQ(Words(line), (std::vector<std::string>{"add", "DL1AB", "14", "CW", "599", "KO85"}));
  EXPECT_EQ(TextAfterWords(line, 4), "599 KO85 ");
  EXPECT_EQ(TextAfterWords(line, 6), "");
  EXPECT_EQ(TextAfterWords(line, 9), "");
  EXPECT_EQ(TextAfterWords("title  Field Day  2024", 1), "Field Day  2024");
  EXPECT_EQ(TrimLine("  add DL1AB 14 CW 599 \r\n"), "add DL1AB 14 CW 599");
}

TEST(ScriptLine, Numbers) {
  struct Case {
    std::string text;
    std::optional<std::int64_t> value;
  } cases[] = {{"500", 500},
               {"61536", 61536},
               {"0xF060", 0xF060},
               {"0xf060", 0xF060},
               {"-1", -1},
               {"", std::nullopt},
               {"12ms", std::nullopt},
               {"0x", std::nullopt},
               {" 5", std::nullopt},
               {"99999999999999999999", std::nullopt}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseNumber(c.text), c.value);
  }
}

}  // namespace
