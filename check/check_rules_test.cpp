#include "check/check_rules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

TEST(CheckRules, DefaultsWhereTheFileIsSilent) {
  const CheckRules rules = ParseRules("# only a comment\n\n");
  EXPECT_EQ(rules.windowSeconds, 600);
  EXPECT_TRUE(rules.modeMustMatch);
  EXPECT_TRUE(rules.uniqueCounts);
  EXPECT_EQ(rules.notInLogPenalty, 0);
  EXPECT_EQ(rules.bustedCallPenalty, 0);
  EXPECT_EQ(rules.bustedLocatorPenalty, 0);
}

TEST(CheckRules, EverySettingRead) {
  const CheckRules rules = ParseRules(
      "time-window-minutes = 5\r\n"
      "  mode-must-match=no\n"
      "unique-counts = no\n"
      "penalty-not-in-log = 2\n"
      "penalty-busted-call = 1\n"
      "penalty-busted-locator = 3");
  EXPECT_EQ(rules.windowSeconds, 300);
  EXPECT_FALSE(rules.modeMustMatch);
  EXPECT_FALSE(rules.uniqueCounts);
  EXPECT_EQ(rules.notInLogPenalty, 2);
  EXPECT_EQ(rules.bustedCallPenalty, 1);
  EXPECT_EQ(rules.bustedLocatorPenalty, 3);
}

TEST(CheckRules, WrittenRulesReadBackTheSame) {
  CheckRules rules;
  rules.windowSeconds = 3 * 60;
  rules.uniqueCounts = false;
  rules.bustedCallPenalty = 2;
  const CheckRules read = ParseRules(RulesText(rules));
  EXPECT_EQ(read.windowSeconds, rules.windowSeconds);
  EXPECT_EQ(read.modeMustMatch, rules.modeMustMatch);
  EXPECT_EQ(read.uniqueCounts, rules.uniqueCounts);
  EXPECT_EQ(read.notInLogPenalty, rules.notInLogPenalty);
  EXPECT_EQ(read.bustedCallPenalty, rules.bustedCallPenalty);
  EXPECT_EQ(read.bustedLocatorPenalty, rules.bustedLocatorPenalty);
}

TEST(CheckRules, ErrorsNameTheLine) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"\nwindow = 5\n", "rules line 2: unknown setting 'window'"},
      {"time-window-minutes 5", "rules line 1: expected 'name = value'"},
      {"time-window-minutes = five",
       "rules line 1: time-window-minutes needs a whole number from 0 to 1440, not 'five'"},
      {"time-window-minutes = 1441",
       "rules line 1: time-window-minutes needs a whole number from 0 to 1440, not '1441'"},
      {"penalty-not-in-log = -1",
       "rules line 1: penalty-not-in-log needs a whole number from 0 to 100, not '-1'"},
      {"mode-must-match = true", "rules line 1: mode-must-match needs yes or no, not 'true'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseRules(c.text);
      ADD_FAILURE() << "no error";
    } catch (const RulesError& error) {
      EXPECT_STREQ(error.what(), c.error);
    }
  }
}

TEST(CheckRules, MissingFileIsAnError) {
  EXPECT_THROW(ReadRulesFile("/nonexistent/rules.txt"), RulesError);
}

TEST(CheckRules, FilesAsEditorsSaveThem) {
  const struct {
    std::string text;
    std::int64_t windowMinutes;
    bool modeMustMatch;
    const char* error;
  } cases[] = {
      {"time-window-minutes = 5   # a comment after the value", 5, true, ""},
      {"time-window-minutes = 5# no blank before it\nmode-must-match = no #", 5, false, ""},
      {"\xEF\xBB\xBFtime-window-minutes = 5\n", 5, true, ""},  // UTF-8's byte-order mark
      {"time-window-minutes = 5\rmode-must-match = no\r", 5, false, ""},
      {"time-window-minutes = 5\r\nmode-must-match = no\r\n", 5, false, ""},
      {"\r\rwindow = 5\r", 0, false, "rules line 3: unknown setting 'window'"},
      {"\r\n\r\nwindow = 5", 0, false, "rules line 3: unknown setting 'window'"},
      {"mode-must-match = no\n# again:\nmode-must-match = yes\n", 0, false,
       "rules line 3: mode-must-match is set again, first on line 1"},
      {"time-window-minutes = 5\rtime-window-minutes = 5", 0, false,
       "rules line 2: time-window-minutes is set again, first on line 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      const CheckRules rules = ParseRules(c.text);
      EXPECT_STREQ("", c.error);
      EXPECT_EQ(rules.windowSeconds, c.windowMinutes * 60);
      EXPECT_EQ(rules.modeMustMatch, c.modeMustMatch);
    } catch (const RulesError& error) {
      EXPECT_STREQ(error.what(), c.error);
    }
  }
}

// The example rules file of the README, between its markers, is what the check writes for the
// defaults, and the check reads it.
TEST(CheckRules, TheReadmeExampleIsTheDefaultsWrittenOut) {
  std::ifstream file(MAROVINTA_README, std::ios::binary);
  std::ostringstream readme;
  readme << file.rdbuf();
  const std::string text = readme.str();
  const std::size_t begin = text.find("<!-- rules example");
  const std::size_t end = text.find("<!-- end of the rules example -->");
  ASSERT_NE(begin, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  std::istringstream block(text.substr(begin, end - begin));
  std::string example;
  for (std::string line; std::getline(block, line);) {
    if (line.rfind("    ", 0) == 0) {
      example += line.substr(4) + "\n";  // a line of the indented code block
    }
  }
  EXPECT_EQ(example, RulesText(CheckRules()));
  EXPECT_EQ(RulesText(ParseRules(example)), RulesText(CheckRules()));
}
