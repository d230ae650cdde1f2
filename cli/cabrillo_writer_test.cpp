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
