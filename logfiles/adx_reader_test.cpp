#include "logfiles/adx_reader.h"

#include <gtest/gtest.h>

#include "logfiles/test_support.h"

namespace {
std::string Adx(const std::string& records) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ADX>\n<HEADER>\n<ADIF_VER>3.1.4</ADIF_VER>\n"
         "<CALL>XX0XX</CALL><MY_GRIDSQUARE>KO85</MY_GRIDSQUARE>\n</HEADER>\n<RECORDS>\n" +
         records + "</RECORDS>\n</ADX>\n";
}
}  // namespace

TEST(AdxReader, RecordsAsTheTagFormReadsThem) {
  const ContestLog log = ReadAdx(Adx(
      "<RECORD><CALL>DL1AAA</CALL><BAND>20M</BAND><MODE>FT8</MODE><GRIDSQUARE>JO62</GRIDSQUARE>\n"
      "<MY_GRIDSQUARE>jo31lk</MY_GRIDSQUARE><STATION_CALLSIGN>DL1ABC</STATION_CALLSIGN>"
      "<QSO_DATE>20250830</QSO_DATE><TIME_ON>120030</TIME_ON><CONTEST_ID>WW-DIGI</CONTEST_ID>"
      "<RST_SENT>-05</RST_SENT><RST_RCVD>+02</RST_RCVD><STX>12</STX><SRX_STRING>011/</SRX_STRING>"
      "</RECORD>\n"
      "<record><call>w1ccc</call><freq>14.074</freq><mode>MFSK</mode><submode>FT4</submode>"
      "<gridsquare>FN42</gridsquare><APP PROGRAMID=\"X\" FIELDNAME=\"CALL\" TYPE=\"S\">K1ZZZ</APP>"
      "<USERDEF FIELDNAME=\"GRID\">AA00</USERDEF></record>\n"
      "<RECORD><BAND>20m</BAND></RECORD>\n"));
  EXPECT_EQ(log.format, "ADX");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].callSign, "DL1AAA");
  EXPECT_EQ(log.qsos[0].band, "14");
  EXPECT_EQ(log.qsos[0].exchange, "JO62");
  EXPECT_EQ(log.qsos[0].ownLocator, "JO31LK");
  EXPECT_EQ(log.qsos[0].ownCall, "DL1ABC");
  EXPECT_EQ(log.qsos[0].utcSeconds, 1756555230);
  EXPECT_EQ(log.qsos[0].contestId, "WW-DIGI");
  EXPECT_EQ(ExchangeOf(log.qsos[0]), (Exchange{"-05", "12", "+02", "011/"}));
  EXPECT_EQ(log.qsos[0].line, 8);
  EXPECT_EQ(log.qsos[1].callSign, "W1CCC");  // not the application's own CALL field
  EXPECT_EQ(log.qsos[1].mode, "FT4");
  EXPECT_EQ(log.qsos[1].exchange, "FN42");
  EXPECT_EQ(log.stationCall, "DL1ABC");
  EXPECT_EQ(log.ownLocators, std::vector<std::string>{"JO31LK"});  // not the header's
  ASSERT_EQ(log.warnings.size(), 1u);
  EXPECT_EQ(log.warnings[0].line, 11);
  EXPECT_EQ(log.warnings[0].message, "record without CALL; skipped");
}

TEST(AdxReader, Utf16AsTheDocumentDeclaresIt) {
  const std::string utf8 =
      Adx("<RECORD><CALL>DL1AAA</CALL><BAND>2m</BAND><NAME>J\xC3\xBCrgen</NAME>"
          "<GRIDSQUARE>JO62</GRIDSQUARE></RECORD>\n");
  std::string utf16 = "\xFF\xFE";
  for (char c : utf8) {
    utf16 += c;
    utf16 += '\0';  // ASCII but for the name, which is not read
  }
  const std::size_t declared =
      utf16.find(std::string("U\0T\0F\0-\0"
                             "8",
                             9));
  ASSERT_NE(declared, std::string::npos);
  utf16.replace(declared, 9,
                std::string("U\0T\0F\0-\0"
                            "1\0"
                            "6",
                            11));
  const ContestLog log = ReadAdx(utf16);
  ASSERT_EQ(log.qsos.size(), 1u) << (log.warnings.empty() ? "" : log.warnings[0].message);
  EXPECT_EQ(log.qsos[0].callSign, "DL1AAA");
  EXPECT_EQ(log.qsos[0].band, "144");
}

TEST(AdxReader, BrokenXmlKeepsTheRecordsBeforeAndSaysWhere) {
  std::string cut = Adx("<RECORD><CALL>DL1AAA</CALL><BAND>20m</BAND></RECORD>\n");
  cut.resize(cut.find("</RECORDS>") + 3);
  struct Case {
    std::string text;
    std::size_t qsos;
    std::int64_t line;
    std::string message;
  } cases[] = {
      {cut, 1, 9,
       "the XML cannot be read on from here (unclosed token); the records after it are lost"},
      {"<?xml version=\"1.0\"?>\n<!DOCTYPE ADX [<!ENTITY a \"aaaaaaaaaa\">]>\n<ADX><RECORDS>"
       "<RECORD><CALL>&a;</CALL><BAND>20m</BAND></RECORD></RECORDS></ADX>",
       0, 2,
       "the XML cannot be read on from here (it declares entities); the records after it are "
       "lost"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const ContestLog log = ReadAdx(c.text);
    EXPECT_EQ(log.qsos.size(), c.qsos);
    ASSERT_EQ(log.warnings.size(), 1u);
    EXPECT_EQ(log.warnings[0].line, c.line);
    EXPECT_EQ(log.warnings[0].message, c.message);
  }
}

// Only a RECORD right inside RECORDS is a QSO of the log, wherever else one stands.
TEST(AdxReader, ARecordOutsideRecordsIsNoQso) {
  const std::string stray = "<RECORD><CALL>OK1XYZ</CALL><BAND>20m</BAND></RECORD>";
  const std::string records =
      "<RECORDS><RECORD><CALL>DL1AAA</CALL><BAND>20m</BAND></RECORD></RECORDS>";
  const struct {
    const char* where;
    std::string document;
  } cases[] = {
      {"in the header", "<ADX><HEADER>" + stray + "</HEADER>" + records + "</ADX>"},
      {"beside RECORDS", "<ADX>" + stray + records + "</ADX>"},
      {"in an element before RECORDS", "<ADX><OTHER>" + stray + "</OTHER>" + records + "</ADX>"},
      {"in an element after RECORDS", "<ADX>" + records + "<OTHER>" + stray + "</OTHER></ADX>"},
      {"in a RECORDS inside another element",
       "<ADX><OTHER><RECORDS>" + stray + "</RECORDS></OTHER>" + records + "</ADX>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    const ContestLog log = ReadAdx(c.document);
    EXPECT_EQ(CallsOf(log), std::vector<std::string>{"DL1AAA"});
    EXPECT_TRUE(log.warnings.empty());
  }
}
