#include "check/check_rules.h"

#include <gtest/gtest.h>

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
