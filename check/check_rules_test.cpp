#include "check/check_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "logfiles/test_support.h"

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
      {"points-rounding = half",
       "rules line 1: points-rounding needs down, nearest or up, not 'half'"},
      {"points = km", "rules line 1: points needs distance-table or per-km, not 'km'"},
      {"\nlocator-length = 5", "rules line 2: locator-length needs 4 or 6, not '5'"},
      {"km-per-point = 0",
       "rules line 1: km-per-point needs a whole number from 1 to 1000000, not '0'"},
      {"clock-offset-max-minutes = never",
       "rules line 1: clock-offset-max-minutes needs a whole number from 0 to 1440 or none, not "
       "'never'"},
      {"period-start = 2016-05-07 14:00",
       "rules line 1: period-start needs a UTC time as 2016-05-07T14:00 or none, not '2016-05-07 "
       "14:00'"},
      {"period-start = 2016-02-30T14:00",
       "rules line 1: period-start needs a UTC time as 2016-05-07T14:00 or none, not "
       "'2016-02-30T14:00'"},
      {"period-end = 2016-05-07T24:00",
       "rules line 1: period-end needs a UTC time as 2016-05-07T14:00 or none, not "
       "'2016-05-07T24:00'"},
      {"period-start = 2016-05-08T14:00\nperiod-end = 2016-05-07T14:00",
       "rules line 2: period-end 2016-05-07T14:00 is not after period-start 2016-05-08T14:00 (line "
       "1)"},
      {"period-end = 2016-05-07T14:00\n\nperiod-start = 2016-05-07T14:00",
       "rules line 1: period-end 2016-05-07T14:00 is not after period-start 2016-05-07T14:00 (line "
       "3)"},
      {"bands = 144 433.5x",
       "rules line 1: bands needs bands (as 144, 1296, 1.2G or 23cm) or all, not '433.5x'"},
      {"bands =", "rules line 1: bands needs bands (as 144, 1296, 1.2G or 23cm) or all, not ''"},
      {"bands = 144, 145", "rules line 1: bands names band 144 twice"},
      {"band-factors = 432",
       "rules line 1: band-factors needs band:factor pairs (as 432:2), each factor 1 to 1000, or "
       "none, not '432'"},
      {"band-factors = 144:1 432:0",
       "rules line 1: band-factors needs band:factor pairs (as 432:2), each factor 1 to 1000, or "
       "none, not '432:0'"},
      {"band-factors = 9999:2",
       "rules line 1: band-factors needs band:factor pairs (as 432:2), each factor 1 to 1000, or "
       "none, not '9999:2'"},
      {"band-factors = 432:2 70cm:3", "rules line 1: band-factors names band 432 twice"},
      {"check-serial = 1", "rules line 1: check-serial needs yes or no, not '1'"},
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

TEST(CheckRules, EveryContestSettingRead) {
  const CheckRules rules = ParseRules(
      "contest = Cupa Napoca 2016\n"
      "period-start = 2016-05-07T14:00Z\n"
      "period-end = 2016-05-08T14:00\n"
      "bands = 145, 70cm 1296\n"
      "log-per-band = yes\n"
      "check-report = yes\n"
      "check-serial = yes\n"
      "locator-length = 6\n"
      "portable-suffixes-ignored = yes\n"
      "clock-offset-min-qsos = 5\n"
      "clock-offset-max-minutes = 30\n"
      "check-log-sections = check, Checklog\n"
      "penalty-busted-exchange = 4\n"
      "points = per-km\n"
      "km-per-point = 3000\n"
      "points-rounding = nearest\n"
      "points-added = 1\n"
      "points-minimum = 2\n"
      "band-factors = 432:2 23cm:3\n"
      "multipliers = squares\n"
      "score = points-times-multipliers\n"
      "points-per-multiplier = 50\n");
  EXPECT_EQ(rules.contest, "Cupa Napoca 2016");
  EXPECT_EQ(rules.periodStart, 1462629600);  // 2016-05-07 14:00 UTC
  EXPECT_EQ(rules.periodEnd, 1462629600 + 24 * 3600);
  EXPECT_EQ(rules.bands, (std::vector<std::string>{"144", "432", "1.2G"}));
  EXPECT_TRUE(rules.logPerBand);
  EXPECT_TRUE(rules.checkReport);
  EXPECT_TRUE(rules.checkSerial);
  EXPECT_EQ(rules.locatorLength, 6u);
  EXPECT_TRUE(rules.portableSuffixesIgnored);
  EXPECT_EQ(rules.clockOffsetMinQsos, 5);
  EXPECT_EQ(rules.clockOffsetMaxSeconds, 30 * 60);
  EXPECT_EQ(rules.checkLogSections, (std::vector<std::string>{"CHECK", "CHECKLOG"}));
  EXPECT_EQ(rules.bustedExchangePenalty, 4);
  EXPECT_EQ(rules.points, PointsRule::kPerKm);
  EXPECT_EQ(rules.kmPerPoint, 3000);
  EXPECT_EQ(rules.pointsRounding, PointsRounding::kNearest);
  EXPECT_EQ(rules.pointsAdded, 1);
  EXPECT_EQ(rules.pointsMinimum, 2);
  ASSERT_EQ(rules.bandFactors.size(), 2u);
  EXPECT_EQ(rules.bandFactors[1].band, "1.2G");
  EXPECT_EQ(rules.bandFactors[1].factor, 3);
  EXPECT_EQ(BandFactorOf(rules, "432"), 2);
  EXPECT_EQ(BandFactorOf(rules, "144"), 1);
  EXPECT_TRUE(CountsBand(rules, "1.2G"));
  EXPECT_FALSE(CountsBand(rules, "50"));
  EXPECT_TRUE(CountsBand(CheckRules(), "50"));
  EXPECT_EQ(rules.multipliers, MultiplierRule::kSquares);
  EXPECT_EQ(rules.score, ScoreFormula::kPointsTimesMultipliers);
  EXPECT_EQ(rules.pointsPerMultiplier, 50);

  // Written out, each reads back as it was; the written file names the bands as the logs do.
  const std::string text = RulesText(rules);
  EXPECT_EQ(RulesText(ParseRules(text)), text);
  EXPECT_NE(text.find("\nbands = 144 432 1.2G "), std::string::npos) << text;
  EXPECT_NE(text.find("\nperiod-start = 2016-05-07T14:00 "), std::string::npos) << text;
  EXPECT_EQ(FullRulesText(ParseRules(FullRulesText(rules))), FullRulesText(rules));
}

// The defaults' outputs are those of the first six settings, byte for byte: a check by them
// writes what it always has.
TEST(CheckRules, TheDefaultsAreShownAsBefore) {
  EXPECT_EQ(RulesSummary(CheckRules()),
            "QSOs match within 10 minutes, in the same mode; unique calls count; penalties (times "
            "the QSO's points) not in log 0, busted call 0, busted locator 0");
  EXPECT_EQ(RulesJson(CheckRules()).dump(),
            "{\"time_window_minutes\":10,\"mode_must_match\":true,\"unique_counts\":true,"
            "\"penalty_not_in_log\":0,\"penalty_busted_call\":0,\"penalty_busted_locator\":0}");
  // Every other setting is named once it is not at its default.
  CheckRules rules;
  rules.contest = "Cupa Napoca 2016";
  rules.periodStart = 1462629600;
  rules.locatorLength = 6;
  rules.points = PointsRule::kPerKm;
  rules.pointsAdded = 1;
  rules.bandFactors = {{"432", 2}};
  rules.multipliers = MultiplierRule::kNone;
  EXPECT_EQ(RulesSummary(rules),
            "Cupa Napoca 2016: QSOs match within 10 minutes, in the same mode, locators compared "
            "on 6 characters; QSOs from 2016-05-07T14:00 UTC; unique calls count; penalties "
            "(times the QSO's points) not in log 0, busted call 0, busted locator 0; QSO points "
            "from the km, plus 1; QSO points times 2 on 432; no multipliers");
  EXPECT_EQ(RulesJson(rules).dump(),
            "{\"contest\":\"Cupa Napoca 2016\",\"time_window_minutes\":10,"
            "\"mode_must_match\":true,\"locator_length\":6,"
            "\"period_start\":\"2016-05-07T14:00\",\"unique_counts\":true,"
            "\"penalty_not_in_log\":0,\"penalty_busted_call\":0,\"penalty_busted_locator\":0,"
            "\"points\":\"per-km\",\"points_added\":1,\"band_factors\":{\"432\":2},"
            "\"multipliers\":\"none\"}");
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
  const std::string example = ReadmeExample("rules example");
  EXPECT_EQ(example, "\n" + RulesText(CheckRules()) + "\n");  // a blank line on either side
  EXPECT_EQ(RulesText(ParseRules(example)), RulesText(CheckRules()));
}

// Every contest definition shipped in rules/ is read, and default.rules is the defaults with every
// setting written out.
TEST(CheckRules, TheShippedRulesFilesAreRead) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(MAROVINTA_RULES_FOLDER)) {
    SCOPED_TRACE(entry.path().string());
    names.push_back(entry.path().filename().string());
    EXPECT_NO_THROW(ReadRulesFile(entry.path().string()));
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"cupa-napoca-2016.rules", "default.rules",
                                             "iaru-r1-vhf.rules", "ww-digi.rules"}));
  std::ifstream file(std::string(MAROVINTA_RULES_FOLDER) + "/default.rules", std::ios::binary);
  std::string settings;
  for (std::string line; std::getline(file, line);) {
    if (line.rfind('#', 0) != 0) {
      settings += line + "\n";  // the lines below its comment header
    }
  }
  EXPECT_EQ(settings, FullRulesText(CheckRules()));
}

// The README's table of a contest's settings names every setting there is.
TEST(CheckRules, TheReadmeTablesEverySetting) {
  std::ifstream file(MAROVINTA_README, std::ios::binary);
  std::string rows;
  for (std::string line; std::getline(file, line);) {
    if (line.rfind("| `", 0) == 0) {
      rows += line.substr(0, line.find(" | ")) + "\n";  // the row's first cell
    }
  }
  std::istringstream settings(FullRulesText(CheckRules()));
  for (std::string line; std::getline(settings, line);) {
    const std::string name = "`" + line.substr(0, line.find(" =")) + "`";
    EXPECT_NE(rows.find(name), std::string::npos) << name;
  }
}
