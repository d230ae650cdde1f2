#include "simulator/simulated_rules.h"

#include <gtest/gtest.h>

#include <sstream>

#include "check/check_rules.h"
#include "logfiles/test_support.h"

// A shipped definition checks a simulated contest once its period and bands are the
// simulation's: every other setting stays the file's, whatever its line ends.
TEST(SimulatedRules, ThePeriodAndBandsBecomeTheSimulations) {
  const std::string text = FileText(std::string(MAROVINTA_RULES_FOLDER) + "/iaru-r1-vhf.rules");
  CheckRules expected = ParseRules(text);
  SimulationSettings settings;
  settings.hours = 6;
  expected.periodStart = settings.start;
  expected.periodEnd = settings.start + 6 * 3600;
  struct {
    bool vhf;
    std::vector<std::string> bands;
  } const cases[] = {{true, {"144", "432", "1.2G"}}, {false, {"3.5", "7", "14", "21", "28"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.vhf);
    settings.vhf = c.vhf;
    expected.bands = c.bands;
    for (const char* eol : {"\n", "\r\n", "\r"}) {
      SCOPED_TRACE(eol[0] == '\n' ? "LF" : eol[1] ? "CR LF" : "CR");
      std::string rules;
      std::istringstream lines(text);
      for (std::string line; std::getline(lines, line);) {
        rules += line + eol;
      }
      EXPECT_EQ(FullRulesText(ParseRules(WithSimulatedPeriod(rules, settings))),
                FullRulesText(expected));
    }
  }
  // A file without a period or bands gets them too.
  settings.vhf = true;
  const CheckRules bare = ParseRules(WithSimulatedPeriod("locator-length = 6", settings));
  EXPECT_EQ(bare.locatorLength, 6u);
  EXPECT_EQ(bare.periodStart, settings.start);
  EXPECT_EQ(bare.bands, (std::vector<std::string>{"144", "432", "1.2G"}));
}
