#include "cli/cabrillo_reader.h"

#include <gtest/gtest.h>

namespace {
// One QSO line read in a log of its own.
ContestLog ReadLine(const std::string& line) {
  return ReadCabrillo("START-OF-LOG: 3.0\n" + line + "\nEND-OF-LOG:\n");
}
}  // namespace

TEST(CabrilloReader, QsoLinesOfEveryWidth) {
  struct Case {
    std::string line;
    std::string call, band, mode, exchange;
  } cases[] = {
      {"QSO: 14074 DG 2025-08-30 1200 DL1ABC JO31 ok1xyz jn79", "OK1XYZ", "14", "DG", "jn79"},
      {"QSO:   14091 DG 2025-08-30 1829 7L4IOU           PM95   JF1LMB           PM95    ",
       "JF1LMB", "14", "DG", "PM95"},
      {"QSO:\t7081\tdg\t2019-08-31\t1206\tAA3B\tFN20\tWT0DX\tDM79\r", "WT0DX", "7", "DG", "DM79"},
      {"QSO: 28074 DG 2025-08-30 1200 DL1ABC JO31 VK2AB QF56od", "VK2AB", "28", "DG", "QF56od"},
      {"QSO: 21074 DG 2025-08-30 1200 DL1ABC JO31 K2EEE ZZ00", "K2EEE", "21", "DG", "ZZ00"},
      {"QSO: 50313 DG 2025-08-30 1200 DL1ABC JO31 F5FFF JN18 1", "F5FFF", "50", "DG", "JN18"},
      {"QSO: 144 FM 2025-08-30 1200 DL1ABC JO31 DL2XYZ JO42", "DL2XYZ", "144", "FM", "JO42"},
      // One column short: the received grid is missing, or the own one.
      {"QSO: 3573 DG 2025-08-30 1208 DL1ABC JO31 PA3GGG", "PA3GGG", "3.5", "DG", ""},
      {"QSO: 3573 DG 2025-08-30 1208 DL1ABC PA3GGG JO22", "PA3GGG", "3.5", "DG", "JO22"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const ContestLog log = ReadLine(c.line);
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_TRUE(log.warnings.empty());
    EXPECT_EQ(log.qsos[0].callSign, c.call);
    EXPECT_EQ(log.qsos[0].band, c.band);
    EXPECT_EQ(log.qsos[0].mode, c.mode);
    EXPECT_EQ(log.qsos[0].exchange, c.exchange);
    EXPECT_EQ(log.qsos[0].line, 2);
  }
}

TEST(CabrilloReader, UnreadableLinesAreWarnedAboutAndSkipped) {
  const ContestLog log = ReadCabrillo(
      "START-OF-LOG: 3.0\r\n"
      "QSO: 14074 DG 2025-08-30\r\n"
      "QSO: 15000 DG 2025-08-30 1200 DL1ABC JO31 EA8AA IL18\r\n"
      "this line has no tag\r\n"
      "QSO: 7074 DG 2025-08-30 1200 DL1ABC JO31 EA8AA IL18\r\n"
      "\r\n"
      "X-QSO: 7074 DG 2025-08-30 1200 DL1ABC JO31 EA8BB IL18\r\n"
      "SOAPBOX: QSO: in a soapbox is no QSO\r\n"
      "END-OF-LOG:\r\n"
      "QSO: 7074 DG 2025-08-30 1200 DL1ABC JO31 EA8CC IL18\r\n");
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].callSign, "EA8AA");
  EXPECT_EQ(log.qsos[0].line, 5);
  ASSERT_EQ(log.warnings.size(), 3u);
  EXPECT_EQ(log.warnings[0].line, 2);
  EXPECT_EQ(log.warnings[1].line, 3);
  EXPECT_EQ(log.warnings[1].message, "frequency '15000' is on no amateur band; skipped");
  EXPECT_EQ(log.warnings[2].line, 4);
  EXPECT_EQ(log.warnings[2].message, "not a Cabrillo line (no TAG:); skipped");
}

TEST(CabrilloReader, StationAndOwnLocators) {
  // The header's locator comes first even after QSO lines; locators of one square count once.
  const ContestLog log = ReadCabrillo(
      "START-OF-LOG: 3.0\n"
      "QSO: 14074 DG 2025-08-30 1200 dl1abc jn75 OK1XYZ JN79\n"
      "QSO: 14074 DG 2025-08-30 1201 DL1ABC JN76 OK1XYZ JN79\n"
      "QSO: 7074 DG 2025-08-30 1202 DL1ABC jn75 OK1XYZ JN79\n"
      "GRID-LOCATOR: jn75ur\n"
      "END-OF-LOG:\n");
  EXPECT_EQ(log.format, "Cabrillo");
  EXPECT_EQ(log.stationCall, "DL1ABC");  // no CALLSIGN header: the first QSO's own call
  EXPECT_EQ(log.ownLocators, (std::vector<std::string>{"JN75UR", "JN76"}));

  const ContestLog header = ReadCabrillo("START-OF-LOG: 3.0\nCALLSIGN: 9a2eu\n");
  EXPECT_EQ(header.stationCall, "9A2EU");
  EXPECT_TRUE(header.ownLocators.empty());
  EXPECT_TRUE(header.qsos.empty());
}

// What a line says of the QSO besides the plug-in's fields: for checking logs against each other
// and for rovers.
TEST(CabrilloReader, EachQsoKeepsItsTimeFrequencyOwnCallAndOwnGrid) {
  const ContestLog log = ReadCabrillo(
      "START-OF-LOG: 3.0\n"
      "QSO: 14074 DG 2025-08-30 1200 dl1abc jo31lk OK1XYZ JN79\n"
      "QSO: 144 FM 2025-08-30 2359 DL1ABC/P JO32 DL2XYZ JO42\n"
      "QSO: 7074 DG 2025-08-3x 1200 DL1ABC JO31 OK1XYZ JN79\n"
      "END-OF-LOG:\n");
  ASSERT_EQ(log.qsos.size(), 3u);
  EXPECT_EQ(log.qsos[0].ownCall, "DL1ABC");
  EXPECT_EQ(log.qsos[0].ownLocator, "JO31LK");
  EXPECT_EQ(log.qsos[0].frequency, "14074");
  EXPECT_EQ(log.qsos[0].utcSeconds, 1756555200);
  EXPECT_EQ(log.qsos[1].ownCall, "DL1ABC/P");
  EXPECT_EQ(log.qsos[1].ownLocator, "JO32");
  EXPECT_EQ(log.qsos[1].utcSeconds, 1756598340);
  EXPECT_FALSE(log.qsos[2].utcSeconds.has_value());  // not a date
}
