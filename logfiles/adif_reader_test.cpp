#include "logfiles/adif_reader.h"

#include <gtest/gtest.h>

#include "logfiles/file_content.h"
#include "logfiles/test_support.h"

TEST(AdifReader, FieldsInAnyCaseWithAndWithoutTypes) {
  struct Case {
    std::string record;
    std::string call, band, mode, exchange;
  } cases[] = {
      {"<call:6>DL1ABC <band:3>20m <mode:3>FT8 <gridsquare:4>JO31 <eor>", "DL1ABC", "14", "FT8",
       "JO31"},
      {"<CALL:6:S>dl1abc<BAND:3:E>20M<MODE:3>ft8<GRIDSQUARE:6:G>jo31lk<EOR>", "DL1ABC", "14", "FT8",
       "jo31lk"},
      {"<Call:6>DL1ABC <Freq:9>14.075472 <Mode:3>FT8 <GridSquare:4>ZZ00 <Eor>", "DL1ABC", "14",
       "FT8", "ZZ00"},
      // FT4 is a submode of MFSK: the submode names the mode.
      {"<call:6>DL1ABC <band:3>20m <mode:4>MFSK <submode:3>FT4 <gridsquare:4>JO31 <eor>", "DL1ABC",
       "14", "FT4", "JO31"},
      {"<call:6>DL1ABC <band:3>20m <mode:3>FT8 <submode:0> <gridsquare:0> <eor>", "DL1ABC", "14",
       "FT8", ""},
      // BAND wins over FREQ; FREQ stands in for a band that names none.
      {"<call:6>DL1ABC <band:3>40m <freq:6>14.074 <mode:2>CW <eor>", "DL1ABC", "7", "CW", ""},
      {"<call:6>DL1ABC <band:3>xyz <freq:6>14.074 <mode:2>CW <eor>", "DL1ABC", "14", "CW", ""},
      {"<call:6>DL1ABC <band:2>6m <mode:3>FT8 <gridsquare:4>JN18 <eor>", "DL1ABC", "50", "FT8",
       "JN18"},
      // Data is taken by its length: tags inside it are text.
      {"<call:6>DL1ABC <comment:12><eor><call:1> <band:3>20m <eor>", "DL1ABC", "14", "", ""},
      {"<call:6>DL1ABC <band:3>20m <app_x_y:5:M>a<b>c <eor>", "DL1ABC", "14", "", ""},
      {"<call:6>DL1ABC <band:3>20m <not a tag> < <call <eor>", "DL1ABC", "14", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    const ContestLog log = ReadAdif(c.record);
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_TRUE(log.warnings.empty());
    EXPECT_EQ(log.qsos[0].callSign, c.call);
    EXPECT_EQ(log.qsos[0].band, c.band);
    EXPECT_EQ(log.qsos[0].mode, c.mode);
    EXPECT_EQ(log.qsos[0].exchange, c.exchange);
  }
}

// The exchange as logged, trimmed: reports, and serial numbers as STX and SRX give them, else as
// the exchange's text does.
TEST(AdifReader, EachQsoKeepsItsExchangeAsLogged) {
  struct Case {
    std::string fields;
    Exchange exchange;
  } cases[] = {
      {"<rst_sent:2>59 <rst_rcvd:3>599 <stx:1>7 <srx:3>012", {"59", "7", "599", "012"}},
      {"<RST_SENT:3>5nn <RST_RCVD:3>-12 <STX:4>0001 <SRX:2>15", {"5nn", "0001", "-12", "15"}},
      {"<stx_string:4>011/ <srx_string:5>004/B", {"", "011/", "", "004/B"}},
      {"<stx:2>11 <stx_string:3>011 <srx:0> <srx_string:3>012", {"", "11", "", "012"}},
      {"<rst_sent:4> 59  <rst_rcvd:5>59001 <srx_string:10>020 KN33GY",
       {"59", "", "59001", "020 KN33GY"}},
      {"<Stx_String:0> <Srx:0>", {"", "", "", ""}},
      {"", {"", "", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fields);
    const ContestLog log = ReadAdif("<call:6>DL1ABC <band:2>2m " + c.fields + " <eor>\n");
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(ExchangeOf(log.qsos[0]), c.exchange);
  }
}

TEST(AdifReader, HeaderIsPassedOver) {
  for (const char* header : {"", "ADIF export\n<adif_ver:5>3.1.4 <programid:5>hands\n<EOH>\n",
                             "# comment\n<call:5>XX0XX in the header <eoh>"}) {
    SCOPED_TRACE(header);
    const ContestLog log = ReadAdif(std::string(header) + "<call:6>DL1ABC <band:3>20m <eor>\n");
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].callSign, "DL1ABC");
  }
}

// The header is no record: nothing of it reaches the first QSO, its line or the warnings.
TEST(AdifReader, TheHeaderLeaksIntoNoRecord) {
  const ContestLog log = ReadAdif(
      "Exported by hand\n"
      "<adif_ver:5>3.1.4 <call:5>XX0XX <my_gridsquare:4>KO85 <gridsquare:4>KO85\n"
      "<station_callsign:5>YY0YY <band:3>40m <mode:2>CW <qso_date:8>20240101 <eoh>\n"
      "\n"
      "<call:6>DL1ABC <band:3>20m <eor>\n");
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].line, 5);
  EXPECT_EQ(log.qsos[0].band, "14");
  EXPECT_EQ(log.qsos[0].mode, "");
  EXPECT_EQ(log.qsos[0].exchange, "");
  EXPECT_EQ(log.qsos[0].ownLocator, "");
  EXPECT_EQ(log.qsos[0].ownCall, "");
  EXPECT_FALSE(log.qsos[0].utcSeconds.has_value());
  EXPECT_TRUE(log.ownLocators.empty());
  EXPECT_TRUE(log.warnings.empty());

  const ContestLog headerOnly = ReadAdif("<adif_ver:5>3.1.4 <call:5>XX0XX <band:3>20m <eoh>\n");
  EXPECT_TRUE(headerOnly.qsos.empty());
  EXPECT_TRUE(headerOnly.warnings.empty());
}

TEST(AdifReader, AFileCutAfterACompleteFieldLacksOnlyItsEor) {
  const ContestLog log = ReadAdif("<eoh>\n<call:5>EA8AA <band:3>20m <eor>\n<call:5>EA8BB");
  ASSERT_EQ(log.qsos.size(), 1u);
  ASSERT_EQ(log.warnings.size(), 1u);
  EXPECT_EQ(log.warnings[0].line, 3);
  EXPECT_EQ(log.warnings[0].message, "the last record has no <EOR>; skipped");
}

TEST(AdifReader, LinesEndingInACarriageReturnAloneAreCounted) {
  const ContestLog log = ReadAdif("<eoh>\r<call:5>EA8AA <band:3>20m <eor>\r\r<call:5>EA8BB <eor>");
  ASSERT_EQ(log.warnings.size(), 1u);
  EXPECT_EQ(log.warnings[0].line, 4);
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].line, 2);
}

TEST(AdifReader, UnreadableRecordsAreWarnedAboutAndSkipped) {
  const ContestLog log = ReadAdif(
      "header <eoh>\n"
      "<band:3>20m <mode:3>FT8 <eor>\n"
      "<call:5>EA8AA <band:3>11m <eor>\n"
      "<call:5>EA8AA <freq:6>15.000 <eor>\n"
      "<call:5>EA8AA <mode:3>FT8\n"
      "<eor>\n"
      "<call:5>EA8AA <band:3>20m <eor>\n"
      "<call:5>EA8BB <band:3>20m <comment:99>runs past the end");
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].callSign, "EA8AA");
  EXPECT_EQ(log.qsos[0].line, 7);
  const std::vector<std::pair<int, std::string>> expected = {
      {2, "record without CALL; skipped"},
      {3, "band '11m' is no amateur band; skipped"},
      {4, "frequency '15.000' is on no amateur band; skipped"},
      {5, "record without BAND or FREQ; skipped"},
      {8, "field <comment> runs past the end of the file"},
      {8, "the last record has no <EOR>; skipped"},
  };
  ASSERT_EQ(log.warnings.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(log.warnings[i].line, expected[i].first);
    EXPECT_EQ(log.warnings[i].message, expected[i].second);
  }
}

TEST(AdifReader, StationAndOwnLocators) {
  const ContestLog log = ReadAdif(
      "<call:5>EA8AA <band:3>20m <operator:5>dl1ab <my_gridsquare:6>jo31lk <eor>\n"
      "<call:5>EA8BB <band:3>20m <station_callsign:6>DL1ABC <my_gridsquare:4>JO31 <eor>\n"
      "<call:5>EA8CC <band:3>20m <station_callsign:6>DL1ABC <my_gridsquare:4>JO32 <eor>\n"
      "<call:5>EA8DD <band:3>20m <eor>\n");
  EXPECT_EQ(log.format, "ADIF");
  EXPECT_EQ(log.stationCall, "DL1AB");  // the first record's station
  EXPECT_EQ(log.ownLocators, (std::vector<std::string>{"JO31LK", "JO32"}));
  EXPECT_EQ(log.qsos.size(), 4u);
}

TEST(AdifReader, EachQsoKeepsItsTimeFrequencyOwnCallAndOwnGrid) {
  const ContestLog log = ReadAdif(
      "<call:5>EA8AA <freq:6>14.074 <operator:5>dl1ab <my_gridsquare:6>jo31lk "
      "<qso_date:8>20250830 <time_on:6>120030 <contest_id:7>ww-digi <eor>\n"
      "<call:5>EA8BB <band:3>20m <station_callsign:6>DL1ABC <operator:4>DL2X <qso_date:8>20250830 "
      "<eor>\n");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].ownCall, "DL1AB");
  EXPECT_EQ(log.qsos[0].ownLocator, "JO31LK");
  EXPECT_EQ(log.qsos[0].frequency, "14.074");
  EXPECT_EQ(log.qsos[0].utcSeconds, 1756555230);
  EXPECT_EQ(log.qsos[0].contestId, "WW-DIGI");
  EXPECT_EQ(log.qsos[1].ownCall, "DL1ABC");  // the station's call before the operator's
  EXPECT_EQ(log.qsos[1].ownLocator, "");
  EXPECT_FALSE(log.qsos[1].utcSeconds.has_value());  // no time
}

namespace {
// The text as a file read through a window of `piece` bytes at a time, its head read first up to
// its first line end, as the scorer reads a large file.
ContestLog ReadInPieces(const std::string& text, std::size_t piece) {
  const TempDir dir;
  LogFile file(dir.Write("log.adi", text));
  std::string head(text.find('\n') + 1, '\0');
  head.resize(file.Read(head.data(), head.size()));
  TextWindow window(file, head, piece);
  return ReadAdif(window);
}

void ExpectSameLog(const ContestLog& read, const ContestLog& whole) {
  ASSERT_EQ(read.qsos.size(), whole.qsos.size());
  for (std::size_t i = 0; i < whole.qsos.size(); ++i) {
    SCOPED_TRACE(i);
    const LogQso a = read.qsos[i];
    const LogQso b = whole.qsos[i];
    EXPECT_EQ(a.callSign, b.callSign);
    EXPECT_EQ(a.band, b.band);
    EXPECT_EQ(a.mode, b.mode);
    EXPECT_EQ(a.exchange, b.exchange);
    EXPECT_EQ(a.line, b.line);
    EXPECT_EQ(a.ownCall, b.ownCall);
    EXPECT_EQ(a.ownLocator, b.ownLocator);
    EXPECT_EQ(a.frequency, b.frequency);
    EXPECT_EQ(a.utcSeconds, b.utcSeconds);
    EXPECT_EQ(a.contestId, b.contestId);
  }
  ASSERT_EQ(read.warnings.size(), whole.warnings.size());
  for (std::size_t i = 0; i < whole.warnings.size(); ++i) {
    EXPECT_EQ(read.warnings[i].line, whole.warnings[i].line);
    EXPECT_EQ(read.warnings[i].message, whole.warnings[i].message);
  }
  EXPECT_EQ(read.ownLocators, whole.ownLocators);
  EXPECT_EQ(read.stationCall, whole.stationCall);
}
}  // namespace

// Pieces of any size end anywhere: inside a tag, a length, a value longer than a piece, a marker.
TEST(AdifReader, AFileReadInPiecesReadsAsTheWholeText) {
  std::string many = "ADIF export\n<adif_ver:5>3.1.4 <eoh>\n";
  for (int i = 0; i < 300; ++i) {
    many += "<call:6>DL" + std::to_string(1000 + i).substr(1) + "A <band:3>20m <mode:3>ft8 " +
            "<my_gridsquare:4>" + (i < 150 ? "JO31" : "jo32") + " <qso_date:8>20250830 " +
            "<comment:" + std::to_string(i % 40) + ">" + std::string(i % 40, '<') +
            (i % 7 ? " <EOR>\n" : "\r\n<eor>\n\n");
  }
  const std::string texts[] = {
      many,
      "header\n<call:5>XX0XX <eoh>\n<call:5>EA8AA <band:3>20m <gridsquare:6>jo31lk <eor>\n"
      "<call:5>EA8BB <band:3>20m <station_callsign:6>DL1ABC <comment:9999>runs past the end",
      "junk < <not a tag> <call <x:>\n<call:5>EA8AA <band:3>20m <app_x:3:S><a> <eor><eor>\n",
      "\n<band:3>20m <eor>\n<call:5>EA8AA <band:3>11m <eor>\n<call:5>EA8AA <freq:6>14.074",
      "\n" + std::string(5000, ' ') + "<call:5>EA8AA<comment:3000>" + std::string(3000, 'x') +
          "<band:3>20m<eor>",
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text.substr(0, 40));
    const ContestLog whole = ReadAdif(text);
    for (std::size_t piece : {1, 2, 3, 7, 64, 1000, 100000}) {
      SCOPED_TRACE(piece);
      ExpectSameLog(ReadInPieces(text, piece), whole);
    }
  }
}
