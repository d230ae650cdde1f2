#include "logfiles/edi_reader.h"

#include <gtest/gtest.h>

#include "logfiles/test_support.h"

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
      {"2m", "144"},       {"23 cm", "1.2G"},   {"1296", "1.2G"},    {"432MHz", "432"},
      {"11m", nullptr},    {"", nullptr},
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
        EXPECT_EQ(error.Line(), 3);
        EXPECT_EQ(std::string(error.what()),
                  "PBand '" + std::string(c.pband) + "' names no amateur band");
      }
    }
  }
}

namespace {
// One record read in a section of its own, the header written as the real logs write it.
ContestLog ReadRecord(const std::string& record) {
  return ReadEdi(
      "[REG1TEST;1]\r\nTDate=20160507;20160508\r\nPCall=YO5AAA\r\nPWWLo=KN16AA\r\n"
      "PBand=144 MHz\r\n[QSORecords;1]\r\n" +
      record + "\r\n");
}
}  // namespace

// Fields 5 to 8 as logged, trimmed, whatever their shape; field 15 marks a duplicate.
TEST(EdiReader, EachQsoKeepsItsExchangeAsLogged) {
  struct Case {
    std::string record;
    Exchange exchange;
    bool duplicate;
  } cases[] = {
      {"160507;1405;YO5BBB;1;59;001;59;002;;KN17AA;123;;N;;", {"59", "001", "59", "002"}, false},
      {"160507;1405;YO5BBB;2;599;012;599;011/;;KN17AA;123;;N;;",
       {"599", "012", "599", "011/"},
       false},
      {"160508;1144;YO9AYN/P;2;599;29;599;004/B;;KN25SA;84;;N;N;",
       {"599", "29", "599", "004/B"},
       false},
      {"160507;1530;YO7LDT;1;59;0001;59;0076;;KN14WG;12;;;;", {"59", "0001", "59", "0076"}, false},
      // Report and serial run together in the report fields, the serial fields left empty.
      {"160507;1428;YO5CUQ/P;1;59001;;59015;;;kn16tr;1;;;;", {"59001", "", "59015", ""}, false},
      {"160507;1428;YO5CUQ/P;1;;;;;;KN16TR;1;;;;", {"", "", "", ""}, false},
      // A locator typed into the received serial's field.
      {"160508;1052;YO3XX;1;59;005;59;020 KN33GY;;;234;;;;",
       {"59", "005", "59", "020 KN33GY"},
       false},
      {"160508;0726 ;YO5XX; ;59 ;001 ;59 ;001 ;;KN16TS ;1;;;;", {"59", "001", "59", "001"}, false},
      // 14 fields (the points missing), 16 (a ';' after the last).
      {"160508;1144;YO9AYN/P;2;599;29;599;004/;;KN25SA;;N;N;", {"599", "29", "599", "004/"}, false},
      {"160507;1405;YO5BBB;1;59;001;59;002;;KN17AA;0;;;;D", {"59", "001", "59", "002"}, true},
      {"160507;1405;YO5BBB;1;59;001;59;002;;KN17AA;0;;;;D;", {"59", "001", "59", "002"}, true},
      {"160507;1405;YO5BBB;1;59;001;59;002;;KN17AA;0;;;; d ", {"59", "001", "59", "002"}, true},
      {"160507;1405;YO5BBB;1;59;001;59;002;;KN17AA;0;;N;N;N", {"59", "001", "59", "002"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    const ContestLog log = ReadRecord(c.record);
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_TRUE(log.warnings.empty());
    EXPECT_EQ(ExchangeOf(log.qsos[0]), c.exchange);
    EXPECT_EQ(log.qsos[0].markedDuplicate, c.duplicate);
    EXPECT_EQ(log.qsos.MarkedDuplicate(0), c.duplicate);
  }
}

// What several programs write: [REGITEST;1], 16 fields, 8-digit dates, an empty record, a TDate
// that begins on the contest's second day; the section and band of the header.
TEST(EdiReader, ReadsTheQuirksOfRealLogs) {
  const ContestLog log = ReadEdi(
      "[REGITEST;1]\r\n"
      "TName=Concurs Cluj Napoca\r\n"
      "TDate=20160508;20160508\r\n"
      "PCall=YO5OJC\r\n"
      "PWWLo=kn17wp\r\n"
      "PSect= single \r\n"
      "PBand=432\r\n"
      "[QSORecords;3]\r\n"
      "20160508;0603;YO5KDX/P;1;59;090;59;001;;KN16NH;80;;;;;\r\n"
      " ;;;;;;;;;;;;;;\r\n"
      "160507;2359;YO5BBB;1;59;091;59;002;;KN17AA;1;;;;;\r\n");
  EXPECT_EQ(log.stationCall, "YO5OJC");
  EXPECT_EQ(log.section, "single");
  EXPECT_EQ(log.logBand, "432");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].utcSeconds, 1462687380);  // 2016-05-08 06:03
  EXPECT_EQ(log.qsos[1].utcSeconds, 1462665540);  // 2016-05-07 23:59
  EXPECT_EQ(log.qsos[1].band, "432");
  ASSERT_EQ(log.warnings.size(), 1u);
  EXPECT_EQ(log.warnings[0].line, 10);
  EXPECT_EQ(log.warnings[0].message, "empty QSO record; skipped");
}

// A two-digit year takes its century from TDate when TDate writes four digits of year.
TEST(EdiReader, TwoDigitYearsTakeTheirCenturyFromTDate) {
  struct Case {
    const char* tdate;
    const char* date;
    std::int64_t utcSeconds;
  } cases[] = {
      {"20160507;20160508", "160507", 1462629900},  // 2016-05-07 14:05
      {"20160508;20160508", "160507", 1462629900},
      {"160507;160508", "160507", 1462629900},
      {"", "160507", 1462629900},
      {"19990507;19990508", "990507", 926085900},  // 1999-05-07 14:05
      {"19990507;19990508", "20160507", 1462629900},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tdate);
    const ContestLog log = ReadEdi(std::string("[REG1TEST;1]\nTDate=") + c.tdate +
                                   "\nPWWLo=KN16AA\nPBand=144 MHz\n[QSORecords;1]\n" + c.date +
                                   ";1405;YO5BBB;1;59;001;59;002;;KN17AA;1\n");
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].utcSeconds, c.utcSeconds);
  }
}

// The section and band of a log (a check log names itself in its section); of a log of several
// headers, the first's section and the band they all name, none where they name two.
TEST(EdiReader, ALogOfSeveralHeadersHasABandOnlyWhereTheyAgree) {
  const auto header = [](const char* section, const char* band) {
    return std::string("[REG1TEST;1]\nPCall=OE1ABC\nPWWLo=JN88EF\nPSect=") + section +
           "\nPBand=" + band + "\n[QSORecords;1]\n240907;1405;OE5XYZ;1;59;001;59;002;;JN78DH;1\n";
  };
  const ContestLog check = ReadEdi(header(" CHECK ", "432 MHz"));
  EXPECT_EQ(check.section, "CHECK");
  EXPECT_EQ(check.logBand, "432");
  const ContestLog same = ReadEdi(header("SOSB", "144 MHz") + header("CHECK", "145"));
  EXPECT_EQ(same.section, "SOSB");
  EXPECT_EQ(same.logBand, "144");
  const ContestLog two =
      ReadEdi(header("SOSB", "144 MHz") + header("SOSB", "432 MHz") + header("SOSB", "144 MHz"));
  EXPECT_EQ(two.logBand, "");
  EXPECT_EQ(two.qsos.size(), 3u);
}

TEST(EdiReader, AnErrorNamesTheFaultAndItsLine) {
  struct Case {
    std::string text;
    std::int64_t line;
    std::string error;
  } cases[] = {
      {"PCall=OE1ABC\nPBand=144 MHz\n[QSORecords;1]\n", 3,
       "[QSORecords] comes before any [REG1TEST;1] header"},
      {"\xEF\xBB\xBF[REG1TEST;1]\nPBand=1.3 GHz\n[QSORecords;1]\n", 3,
       "[QSORecords] comes before any [REG1TEST;1] header"},
      {"[REG1TEST;1]\nPCall=OE1ABC\n[QSORecords;1]\n", 3,
       "the [REG1TEST;1] header names no band (PBand=) before [QSORecords]"},
      {"[REG1TEST;1]\nPBand=144 MHz\n[QSORecords;1]\n[REG1TEST;1]\n[QSORecords;1]\n", 5,
       "the [REG1TEST;1] header names no band (PBand=) before [QSORecords]"},
      {"[REG1TEST;1]\nPBand=100 MHz\nPCall=OE1ABC\n[QSORecords;1]\n", 2,
       "PBand '100 MHz' names no amateur band"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    try {
      ReadEdi(c.text);
      ADD_FAILURE() << "no error";
    } catch (const LogError& error) {
      EXPECT_EQ(error.Line(), c.line);
      EXPECT_EQ(std::string(error.what()), c.error);
    }
  }
}
