#include "cli/own_locator.h"

#include "cli/log_text.h"

std::string ChooseOwnLocator(const std::string& given, ContestLog& log) {
  std::string locator = UpperTrimmed(given);
  if (locator.empty()) {
    if (log.ownLocators.empty()) {
      throw LogError("the log names no own locator; give it with --own LOCATOR");
    }
    locator = log.ownLocators.front();
    if (log.ownLocators.size() > 1) {
      std::string others;
      for (std::size_t i = 1; i < log.ownLocators.size(); ++i) {
        others += (others.empty() ? "" : ", ") + log.ownLocators[i];
      }
      log.warnings.push_back(
          {0, "the log has several own locators; scored from " + locator + ", not " + others});
    }
  }
  if (!StartsWithSquare(locator)) {
    throw LogError("own locator '" + locator + "' is no Maidenhead locator");
  }
  return locator;
}
