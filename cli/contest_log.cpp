#include "cli/contest_log.h"

#include "cli/log_text.h"

void AddOwnLocator(std::vector<std::string>& ownLocators, std::string_view text) {
  const std::string locator = UpperTrimmed(text);
  if (locator.empty()) {
    return;
  }
  // Locators differing after the square (JN75 and JN75UR) score alike: one square, one entry.
  const std::string_view square = std::string_view(locator).substr(0, 4);
  for (const std::string& known : ownLocators) {
    if (std::string_view(known).substr(0, 4) == square) {
      return;
    }
  }
  ownLocators.push_back(locator);
}
