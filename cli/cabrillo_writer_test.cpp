#include "cli/cabrillo_writer.h"

#include <gtest/gtest.h>

#include "logfiles/cabrillo_reader.h"

namespace {
const std::string kTestData = MAROVINTA_CLI_TESTDATA;
}  // namespace

// What the scorer writes, it reads back to the same score, whatever the log came as.
TEST(CabrilloLog, ReadsBackToTheSameScore) {
  for (const char* file : {"small.adx", "vhf.log", "rover.log", "small.log"}) {
    SCOPED_TRACE(file);
    const ScoredLog scored = ScoreLogFile(kTestData + "/" + file, Options());
    ASSERT_FALSE(scored.Failed()) << scored.error;
    const std::string cabrillo = CabrilloLog(scored, "");
    const ContestLog back = ReadCabrillo(cabrillo);
    EXPECT_TRUE(back.warnings.empty());
    ASSERT_EQ(back.qsos.size(), scored.log.qsos.size());
    const LogScore rescored = ScoreQsos(back.qsos, "", back.headerLocator);
    EXPECT_EQ(rescored.report, scored.score.report);
    EXPECT_NE(cabrillo.find("\nCLAIMED-SCORE: " + std::to_string(scored.score.score) + "\n"),
              std::string::npos);
    EXPECT_NE(cabrillo.find("\nGRID-LOCATOR: " + scored.score.ownLocators.front() + "\n"),
              std::string::npos);
  }
}

TEST(CabrilloLog, LinesAsContestRobotsReadThem) {
  Options options;
  const ScoredLog scored = ScoreLogFile(kTestData + "/small.adx", options);
  const std::string cabrillo = CabrilloLog(scored, "WW-DIGI");
  EXPECT_EQ(cabrillo.substr(0, cabrillo.find("QSO:")),
            "START-OF-LOG: 3.0\nCREATED-BY: marovinta-score\nCONTEST: WW-DIGI\n"
            "CALLSIGN: DL1ABC\nGRID-LOCATOR: JO31LK\nCLAIMED-SCORE: 576\n");
  EXPECT_NE(
      cabrillo.find("QSO: 14000 DG 2025-08-30 1200 DL1ABC        JO31LK DL1AAA        JO62\n"
                    "QSO: 14074 DG 2025-08-30 1201 DL1ABC        JO31LK G4BBB         IO91\n"),
      std::string::npos)
      << cabrillo;
  EXPECT_NE(cabrillo.find("QSO: 28000 DG 2025-08-30 1204 DL1ABC        JO31LK VK2HHH        "
                          "QF56OD\nEND-OF-LOG:\n"),
            std::string::npos)
      << cabrillo;
}

TEST(CabrilloLog, RefusesAQsoALineCannotCarry) {
  struct Case {
    const char* own;
    const char* grid;
    bool timed;
    std::string error;
  } cases[] = {
      {"JO31", "JO62", false, "the QSO has no date and time, which a Cabrillo line needs"},
      {"", "", true, "the QSO has no own locator, which a Cabrillo line needs; give it with --own"},
      {"JO31", "", true, "the QSO has no received locator, which a Cabrillo line needs"},
      {"JO31", "599 28", true, "the QSO has no received locator, which a Cabrillo line needs"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    ContestLog log;
    log.stationCall = "DL1ABC";
    LogQso qso;
    qso.callSign = "OK1XYZ";
    qso.band = "14";
    qso.mode = "CW";
    qso.exchange = c.grid;
    qso.ownLocator = c.own;
    qso.line = 7;
    if (c.timed) {
      qso.utcSeconds = 1756555200;
    }
    log.qsos.push_back(qso);
    const ScoredLog scored = ScoreLog("test.log", log, Options());
    ASSERT_FALSE(scored.Failed()) << scored.error;
    try {
      CabrilloLog(scored, "");
      ADD_FAILURE() << "no error";
    } catch (const LogError& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
      EXPECT_EQ(error.Line(), 7);
    }
  }
}

// Cabrillo writes kHz below 30 MHz and the band from 50 MHz on, whatever the log gave: an ADIF
// frequency in MHz, a Cabrillo one in kHz or as a band, or none (the band's lower edge).
TEST(CabrilloLog, FrequencyInKhzBelowThirtyMegahertzAndAsTheBandFromFiftyOn) {
  const struct {
    const char* format;
    const char* band;
    const char* frequency;  // as the log gave it
    const char* written;
  } cases[] = {
      {"ADIF", "1.8", "1.840", "1840"},  {"ADIF", "14", "14.0745", "14074"},
      {"ADIF", "28", "29.699", "29699"}, {"ADIF", "7", "", "7000"},
      {"ADIF", "50", "50.313", "50"},    {"ADIF", "50", "50.000", "50"},
      {"ADIF", "50", "", "50"},          {"ADIF", "70", "70.200", "70"},
      {"ADIF", "144", "144.174", "144"}, {"ADIF", "222", "222.100", "222"},
      {"ADIF", "432", "432.174", "432"}, {"ADIF", "1.2G", "1296.2", "1.2G"},
      {"ADIF", "10G", "10368.1", "10G"}, {"Cabrillo", "14", "14074", "14074"},
      {"Cabrillo", "50", "50313", "50"}, {"Cabrillo", "50", "50", "50"},
      {"Cabrillo", "144", "144", "144"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.format) + " " + c.frequency + " on " + c.band);
    ContestLog log;
    log.format = c.format;
    log.stationCall = "DL1ABC";
    LogQso qso;
    qso.callSign = "OK1XYZ";
    qso.band = c.band;
    qso.mode = "CW";
    qso.exchange = "JN79";
    qso.ownLocator = "JO31";
    qso.frequency = c.frequency;
    qso.utcSeconds = 1756555200;
    log.qsos.push_back(qso);
    const ScoredLog scored = ScoreLog("test.log", log, Options());
    ASSERT_FALSE(scored.Failed()) << scored.error;
    const std::string cabrillo = CabrilloLog(scored, "");
    const std::size_t line = cabrillo.find("\nQSO: ");
    ASSERT_NE(line, std::string::npos);
    const std::size_t field = line + 6;
    EXPECT_EQ(cabrillo.substr(field, cabrillo.find(' ', field) - field), c.written);
  }
}
