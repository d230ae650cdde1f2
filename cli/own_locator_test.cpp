#include "cli/own_locator.h"

#include <gtest/gtest.h>

TEST(ChooseOwnLocator, GivenWinsElseTheLogsFirst) {
  ContestLog log;
  log.ownLocators = {"JO31LK", "JO32", "KO85"};
  EXPECT_EQ(ChooseOwnLocator(" io91wm ", log), "IO91WM");
  EXPECT_TRUE(log.warnings.empty());  // the log's own locators do not matter then

  EXPECT_EQ(ChooseOwnLocator("", log), "JO31LK");
  ASSERT_EQ(log.warnings.size(), 1u);
  EXPECT_EQ(log.warnings[0].line, 0);
  EXPECT_EQ(log.warnings[0].message,
            "the log has several own locators; scored from JO31LK, not JO32, KO85");
}

TEST(ChooseOwnLocator, ErrorsWhenThereIsNoneOrItIsNoLocator) {
  struct Case {
    std::string given;
    std::vector<std::string> logs;
    std::string error;
  } cases[] = {
      {"", {}, "the log names no own locator; give it with --own LOCATOR"},
      {"ZZ00", {"JO31"}, "own locator 'ZZ00' is no Maidenhead locator"},
      {"", {"JO3"}, "own locator 'JO3' is no Maidenhead locator"},
      {"", {"31JO"}, "own locator '31JO' is no Maidenhead locator"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given);
    ContestLog log;
    log.ownLocators = c.logs;
    try {
      ChooseOwnLocator(c.given, log);
      ADD_FAILURE() << "no error";
    } catch (const LogError& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
    }
  }
}
