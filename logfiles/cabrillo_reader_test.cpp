#include "logfiles/cabrillo_reader.h"

#include <gtest/gtest.h>

#include "logfiles/test_support.h"

namespace {
// One QSO line read in a log of its own.
ContestLog ReadLine(const std::string& line) {
  return ReadCabrillo("START-OF-LOG: 3.0\n" + line + "\nEND-OF-LOG:\n");
}
}  // namespace

TEST(CabrilloReader, QsoLinesOfEveryLayout) {
  struct Case {
    std::string line;
    std::string call, band, mode, exchange, ownCall, ownLocator;
  } cases[] = {
      // WW-DIGI: call and grid each way, columns as wide as each logger makes them.
      {"QSO: 14074 DG 2025-08-30 1200 DL1ABC JO31 ok1xyz jn79", "OK1XYZ", "14", "DG", "jn79",
       "DL1ABC", "JO31"},
      {"QSO:   14091 DG 2025-08-30 1829 7L4IOU           PM95   JF1LMB           PM95    ",
       "JF1LMB", "14", "DG", "PM95", "7L4IOU", "PM95"},
      {"QSO:\t7081\tdg\t2019-08-31\t1206\tAA3B\tFN20\tWT0DX\tDM79\r", "WT0DX", "7", "DG", "DM79",
       "AA3B", "FN20"},
      {"qso: 50313 DG 2025-08-30 1200 DL1ABC jo31lk F5FFF JN18 1", "F5FFF", "50", "DG", "JN18",
       "DL1ABC", "JO31LK"},
      // European VHF: serial number and grid each way.
      {"QSO: 144 PH 2024-09-07 1405 OE5XYZ 001 JN78DH OE1ABC 002 JN88EF", "OE1ABC", "144", "PH",
       "JN88EF", "OE5XYZ", "JN78DH"},
      // HF with RST and zone, and a transmitter id: no grids at all.
      {"QSO: 14000 CW 2024-09-07 1405 DL1ABC 599 28 OK1XYZ 599 28 0", "OK1XYZ", "14", "CW", "",
       "DL1ABC", ""},
      {"QSO: 21010 CW 2004-03-20 1200 VE3DZ 599 001 RL3A 599 MA", "RL3A", "21", "CW", "", "VE3DZ",
       ""},
      {"QSO: 3500 CW 2004-05-16 0748 SK3BG/P 559 05 JP82QK OH0/SM0AIG/P 579 04 JP90TG 0",
       "OH0/SM0AIG/P", "3.5", "CW", "JP90TG", "SK3BG/P", "JP82QK"},
      // A grid that is no locator is kept as logged, to be scored 0 with its reason.
      {"QSO: 21074 DG 2025-08-30 1200 DL1ABC JO31 K2EEE ZZ00", "K2EEE", "21", "DG", "ZZ00",
       "DL1ABC", "JO31"},
      {"QSO: 432 PH 2024-09-07 1405 OE5XYZ 001 JN78DH OE1ABC 002 IN2dp", "OE1ABC", "432", "PH",
       "IN2dp", "OE5XYZ", "JN78DH"},
      // The exchange is the call alone.
      {"QSO: 7074 DG 2025-08-30 1200 DL1ABC OK1XYZ", "OK1XYZ", "7", "DG", "", "DL1ABC", ""},
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
    EXPECT_EQ(log.qsos[0].ownCall, c.ownCall);
    EXPECT_EQ(log.qsos[0].ownLocator, c.ownLocator);
    EXPECT_EQ(log.qsos[0].line, 2);
  }
}

TEST(CabrilloReader, TheLayoutIsTheOneMostLinesShare) {
  // Serial number and grid; one line lacks its received serial number.
  const ContestLog log = ReadCabrillo(
      "START-OF-LOG: 3.0\n"
      "QSO: 144 PH 2024-09-07 1405 OE5XYZ 001 JN78DH OE1ABC 002 JN88EF\n"
      "QSO: 144 PH 2024-09-07 1406 OE5XYZ 002 JN78DH OK1ABC JO70AA\n"
      "QSO: 144 PH 2024-09-07 1407 OE5XYZ 003 JN78DH 9A1A 010 JN75XX\n"
      "END-OF-LOG:\n");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].callSign, "OE1ABC");
  EXPECT_EQ(log.qsos[1].callSign, "9A1A");
  ASSERT_EQ(log.warnings.size(), 1u);
  EXPECT_EQ(log.warnings[0].line, 3);
  EXPECT_EQ(log.warnings[0].message,
            "QSO line with 5 fields after the time, where the log's other QSO lines have two "
            "exchanges of 3 fields each (call first) and an optional transmitter id; skipped");
}

// Lines of two widths, as many of each: the first QSO line's width is the log's, whichever it is
// and however the lines interleave; a width more lines share wins over the first.
TEST(CabrilloReader, ATieOfLayoutsIsDecidedByTheFirstQsoLine) {
  const auto line = [](char width, int i) {
    const std::string call = "K" + std::string(1, width) + "A" + std::to_string(i);
    return width == '2' ? "QSO: 14074 DG 2025-08-30 1200 DL1ABC JO31 " + call + " JN79\n"
                        : "QSO: 144 PH 2024-09-07 1405 OE5XYZ 001 JN78DH " + call + " 002 JN88EF\n";
  };
  const struct {
    std::string widths;  // of the QSO lines, in order
    char width;          // the log's
  } cases[] = {
      {"23", '2'}, {"32", '3'}, {"2332", '2'}, {"3223", '3'}, {"233", '3'}, {"322", '2'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.widths);
    std::string text = "START-OF-LOG: 3.0\n";
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < c.widths.size(); ++i) {
      text += line(c.widths[i], static_cast<int>(i));
      if (c.widths[i] == c.width) {
        expected.push_back("K" + std::string(1, c.width) + "A" + std::to_string(i));
      }
    }
    const ContestLog log = ReadCabrillo(text + "END-OF-LOG:\n");
    EXPECT_EQ(CallsOf(log), expected);
    EXPECT_EQ(log.warnings.size(), c.widths.size() - expected.size());
  }
}

TEST(CabrilloReader, ALayoutThatCannotBeReadIsRefusedNamingTheLine) {
  for (const char* line : {"QSO: 3573 DG 2025-08-30 1208 DL1ABC JO31 PA3GGG",
                           "QSO: 14074 DG 2025-08-30 1200 DL1ABC", "QSO: 14074 DG"}) {
    SCOPED_TRACE(line);
    try {
      ReadCabrillo(std::string("START-OF-LOG: 3.0\nCALLSIGN: DL1ABC\n") + line + "\n" + line +
                   "\nEND-OF-LOG:\n");
      ADD_FAILURE() << "no error";
    } catch (const LogError& error) {
      EXPECT_EQ(error.Line(), 3);
      EXPECT_EQ(std::string(error.what()),
                "QSO line whose fields after the time do not split into the sent exchange (own "
                "call first) and the received exchange (worked call first) of one width, with an "
                "optional transmitter id; the log's layout cannot be read");
    }
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
  EXPECT_EQ(log.warnings[0].message,
            "QSO line with 3 fields, expected frequency, mode, date, time and two exchanges of 2 "
            "fields each (call first) and an optional transmitter id; skipped");
  EXPECT_EQ(log.warnings[1].line, 3);
  EXPECT_EQ(log.warnings[1].message, "frequency '15000' is on no amateur band; skipped");
  EXPECT_EQ(log.warnings[2].line, 4);
  EXPECT_EQ(log.warnings[2].message, "not a Cabrillo line (no TAG:); skipped");
}

TEST(CabrilloReader, LinesEndingInACarriageReturnAloneAreLinesToo) {
  const ContestLog log = ReadCabrillo(
      "START-OF-LOG: 3.0\rCALLSIGN: DL1ABC\r"
      "QSO: 14074 DG 2025-08-30 1200 DL1ABC JO31 OK1XYZ JN79\r\r"
      "QSO: 7074 DG 2025-08-30 1201 DL1ABC JO31 G4BBB IO91\rEND-OF-LOG:\r");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].line, 3);
  EXPECT_EQ(log.qsos[1].line, 5);
  EXPECT_EQ(log.qsos[1].exchange, "IO91");
}

TEST(CabrilloReader, StationContestAndOwnLocators) {
  // The header's locator comes first even after QSO lines; locators of one square count once.
  const ContestLog log = ReadCabrillo(
      "START-OF-LOG: 3.0\n"
      "QSO: 14074 DG 2025-08-30 1200 dl1abc jn75 OK1XYZ JN79\n"
      "QSO: 14074 DG 2025-08-30 1201 DL1ABC JN76 OK1XYZ JN79\n"
      "QSO: 7074 DG 2025-08-30 1202 DL1ABC jn75 OK1XYZ JN79\n"
      "grid-locator: jn75ur\n"
      "Contest: ww-digi\n"
      "END-OF-LOG:\n");
  EXPECT_EQ(log.format, "Cabrillo");
  EXPECT_EQ(log.stationCall, "DL1ABC");  // no CALLSIGN header: the first QSO's own call
  EXPECT_EQ(log.contest, "WW-DIGI");
  EXPECT_EQ(log.headerLocator, "JN75UR");
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

// The report and serial number of each half of a line, as logged: the first field shaped as RS(T),
// the first serial number after it; the locators are no part of either.
TEST(CabrilloReader, EachQsoKeepsItsExchangeAsLogged) {
  struct Case {
    std::string exchanges;  // after the time
    Exchange exchange;
  } cases[] = {
      {"OE5XYZ 59 001 JN78DH OE1ABC 59 002 JN88EF", {"59", "001", "59", "002"}},
      {"OE5XYZ 001 JN78DH OE1ABC 002 JN88EF", {"", "001", "", "002"}},
      {"OE5XYZ 599 0001 JN78DH OE1ABC 5nn 011/ JN88EF", {"599", "0001", "5nn", "011/"}},
      {"OE5XYZ 59 004/B JN78DH OE1ABC 59 12A JN88EF", {"59", "004/B", "59", "12A"}},
      {"DL1ABC 599 14 OK1XYZ 599 15 0", {"599", "14", "599", "15"}},
      {"VE3DZ 599 001 RL3A 599 MA", {"599", "001", "599", ""}},
      {"SK3BG/P 559 05 JP82QK OH0/SM0AIG/P 579 04 JP90TG 0", {"559", "05", "579", "04"}},
      {"DL1ABC JO31 OK1XYZ JN79", {"", "", "", ""}},
      // No report: a report-like number before the serial is none (0 is no readability, 6 none).
      {"OE5XYZ 09 JN78DH OE1ABC 69 JN88EF", {"", "09", "", "69"}},
      {"OE5XYZ 50 001 JN78DH OE1ABC 590 002 JN88EF", {"", "50", "", "590"}},
      // A serial number the locator follows in one field is none.
      {"OE5XYZ 59 001 OE1ABC 59 020KN33GY", {"59", "001", "59", ""}},
      {"OE5XYZ 59 1/B/ JN78DH OE1ABC 59 1BB JN88EF", {"59", "", "59", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exchanges);
    const ContestLog log = ReadLine("QSO: 144 PH 2024-09-07 1405 " + c.exchanges);
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(ExchangeOf(log.qsos[0]), c.exchange);
  }
}

// A check log names itself in CATEGORY-OPERATOR, in Cabrillo 2 in CATEGORY.
TEST(CabrilloReader, TheSectionIsTheOperatorCategory) {
  struct Case {
    std::string header, section;
  } cases[] = {
      {"CATEGORY-OPERATOR: CHECKLOG\n", "CHECKLOG"},
      {"CATEGORY-OPERATOR:  single-op \nCATEGORY-STATION: FIXED\n", "single-op"},
      {"CATEGORY: CHECKLOG\n", "CHECKLOG"},
      {"CATEGORY: SINGLE-OP ALL LOW\n", "SINGLE-OP ALL LOW"},
      {"CATEGORY: SINGLE-OP ALL LOW\nCATEGORY-OPERATOR: CHECKLOG\n", "CHECKLOG"},
      {"CATEGORY-OPERATOR: CHECKLOG\nCATEGORY: SINGLE-OP ALL LOW\n", "CHECKLOG"},
      {"CATEGORY-BAND: 2M\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    const ContestLog log = ReadCabrillo("START-OF-LOG: 3.0\nCALLSIGN: DL1ABC\n" + c.header +
                                        "QSO: 14074 DG 2025-08-30 1200 DL1ABC JO31 OK1XYZ JN79\n"
                                        "END-OF-LOG:\n");
    EXPECT_EQ(log.section, c.section);
    EXPECT_EQ(log.qsos.size(), 1u);
  }
}
