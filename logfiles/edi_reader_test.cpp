#include "logfiles/edi_reader.h"

#include <gtest/gtest.h>

TEST(EdiReader, RecordsTakeTheirSectionsBandAndOwnLocator) {
  const ContestLog log = ReadEdi(
      "[REG1TEST;1]\r\n"
      "TName=IARU Region 1 VHF\r\n"
      "TDate=20240907;20240908\r\n"
      "PCall=oe1abc\r\n"
      "PWWLo=jn88ef\r\n"
      "PBand=144 MHz\r\n"
      "[Remarks]\r\n"
      "240907;1405;NOT0QSO;1;59;001;59;002;;JN78DH;123;;N;;\r\n"
      "[QSORecords;4]\r\n"
      "240907;1405;OE5XYZ;1;59;001;59;002;;JN78DH;123;;N;;\r\n"
      "240907;1406;ok1abc;2;599;002;599;010;;jo70aa;200;;N;N;\r\n"
      "240907;1407;;1;59;003;59;004;;JN78DH;0;;;;\r\n"
      "240907;1408;9A1A\r\n"
      "[REG1TEST;1]\r\n"
      "PCall=OE1ABC/P\r\n"
      "PWWLo=JN87\r\n"
      "PBand=1,3 GHz\r\n"
      "[QSORecords;1]\r\n"
      "240908;0130;OE5XYZ;6;59;001;59;005;;JN78DH;123;;N;;D\r\n"
      "[END;]\r\n"
      "240908;0131;OE5AAA;6;59;001;59;005;;JN78DH;123;;N;;\r\n");
  EXPECT_EQ(log.format, "EDI");
  EXPECT_EQ(log.stationCall, "OE1ABC");
  EXPECT_EQ(log.contest, "IARU REGION 1 VHF");
  EXPECT_EQ(log.ownLocators, (std::vector<std::string>{"JN88EF", "JN87"}));
  struct Expected {
    std::int64_t line;
    std::string call, band, mode, exchange, ownCall, ownLocator;
    std::int64_t utcSeconds;
  } expected[] = {
      {10, "OE5XYZ", "144", "SSB", "JN78DH", "OE1ABC", "JN88EF", 1725717900},
      {11, "OK1ABC", "144", "CW", "jo70aa", "OE1ABC", "JN88EF", 1725717960},
      {19, "OE5XYZ", "1.2G", "FM", "JN78DH", "OE1ABC/P", "JN87", 1725759000},
  };
  ASSERT_EQ(log.qsos.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    const Expected& e = expected[i];
    EXPECT_EQ(log.qsos[i].line, e.line);
    EXPECT_EQ(log.qsos[i].callSign, e.call);
    EXPECT_EQ(log.qsos[i].band, e.band);
    EXPECT_EQ(log.qsos[i].mode, e.mode);
    EXPECT_EQ(log.qsos[i].exchange, e.exchange);
    EXPECT_EQ(log.qsos[i].ownCall, e.ownCall);
    EXPECT_EQ(log.qsos[i].ownLocator, e.ownLocator);
    EXPECT_EQ(log.qsos[i].utcSeconds, e.utcSeconds);
  }
  ASSERT_EQ(log.warnings.size(), 2u);
  EXPECT_EQ(log.warnings[0].line, 12);
  EXPECT_EQ(log.warnings[0].message, "QSO record without a call; skipped");
  EXPECT_EQ(log.warnings[1].line, 13);
  EXPECT_EQ(log.warnings[1].message,
            "QSO record with 3 fields, expected at least 10 (date;time;call;mode;sent RST;sent "
            "number;received RST;received number;received exchange;received WWL); skipped");
}

TEST(EdiReader, BandsAsPBandNamesThem) {
  struct Case {
    const char* pband;
    const char* band;  // nullptr: refused
  } cases[] = {
      {"50 MHz", "50"},    {"70 MHz", "70"},    {"144 MHz", "144"},  {"145 MHz", "144"},
      {"432 MHz", "432"},  {"435 MHz", "432"},  {"1,3 GHz", "1.2G"}, {"1.2 GHz", "1.2G"},
      {"2,3 GHz", "2.3G"}, {"3,4 GHz", "3.4G"}, {"5,7 GHz", "5.7G"}, {"10 GHz", "10G"},
      {"24 GHz", "24G"},   {"47 GHz", "47G"},   {"76 GHz", "75G"},   {"122 GHz", "122G"},
      {"134 GHz", "134G"}, {"248 GHz", "241G"}, {"144MHZ", "144"},   {"100 MHz", nullptr},
      {"2m", nullptr},     {"", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pband);
    const std::string text = std::string("[REG1TEST;1]\nPWWLo=JN88\nPBand=") + c.pband +
                             "\n[QSORecords;1]\n240907;1405;OE5XYZ;1;59;001;59;002;;JN78DH;1\n";
    if (c.band) {
      const ContestLog log = ReadEdi(text);
      ASSERT_EQ(log.qsos.size(), 1u);
      EXPECT_EQ(log.qsos[0].band, c.band);
    } else {
      try {
        ReadEdi(text);
        ADD_FAILURE() << "no error";
      } catch (const LogError& error) {
        EXPECT_EQ(error.Line(), 4);
        EXPECT_EQ(std::string(error.what()),
                  "PBand '" + std::string(c.pband) + "' names no amateur band");
      }
    }
  }
}
