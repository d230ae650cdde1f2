#include "simulator/edi_log.h"

#include <gtest/gtest.h>

#include "logfiles/edi_reader.h"
#include "scoring/square_number.h"

namespace {
constexpr std::int64_t k1415 = 1725718500;  // 2024-09-07 14:15 UTC

SimulatedStation Station(const char* call, const char* square, std::uint16_t subsquare,
                         std::uint8_t logBands, bool checkLog) {
  SimulatedStation station;
  station.call = call;
  station.square = static_cast<std::uint16_t>(*SquareNumber(square));
  station.sendsLog = true;
  station.clockOffset = 0;
  station.adif = false;
  station.subsquare = subsquare;
  station.bands = 7;
  station.logBands = logBands;
  station.checkLog = checkLog;
  return station;
}

SimulatedQso Qso(std::int64_t time, std::uint32_t worked, std::uint8_t band, std::uint8_t mode,
                 std::uint32_t sent, std::uint32_t received, const SimulatedContest& contest) {
  SimulatedQso qso{};
  qso.time = time;
  qso.worked = worked;
  qso.loggedCall = worked;
  qso.sentSerial = sent;
  qso.receivedSerial = received;
  qso.receivedReport = SentReport(mode);
  qso.copiedSquare = contest.stations[worked].square;
  qso.copiedSubsquare = contest.stations[worked].subsquare;
  qso.band = band;
  qso.mode = mode;
  return qso;
}

// DL1ABC in JO31AB sends its 144 MHz log; OK2XYZ in JN89KT its check logs of 144 and 432 MHz.
SimulatedContest TwoStations() {
  SimulatedContest contest;
  contest.settings.vhf = true;
  contest.stations = {Station("DL1ABC", "JO31", 0 * 24 + 1, 1, false),
                      Station("OK2XYZ", "JN89", 10 * 24 + 19, 3, true)};
  contest.bustedCalls = {"OK2XZY"};
  auto& dl = contest.logs.emplace_back();
  dl.push_back(Qso(k1415, 1, 0, 1, 1, 1, contest));
  dl.push_back(Qso(k1415 + 600, 1, 1, 0, 1, 1, contest));  // 432 MHz: in no file of 144
  SimulatedQso busted = Qso(k1415 + 3600, 1, 0, 0, 2, 17, contest);
  busted.loggedCall = 2;
  busted.receivedReport = 579;
  busted.copiedSubsquare = 10 * 24 + 18;
  dl.push_back(busted);
  SimulatedQso repeat = Qso(k1415 + 86400 - 3600, 1, 0, 1, 1003, 1, contest);
  repeat.markedDuplicate = true;
  dl.push_back(repeat);
  contest.logs.emplace_back().push_back(Qso(k1415, 0, 0, 1, 1, 1, contest));
  return contest;
}
}  // namespace

// The header's lines in the format's order, its claims (a QSO the log marks a duplicate claims
// nothing), then each record of the band: RS(T) by mode, serials of three digits or more, the
// six-character locator, the IARU's points (km + 1), D for a marked duplicate; CR LF throughout.
TEST(EdiLog, WritesALogOfOneBandAsTheFormatHasIt) {
  const char* const lines[] = {
      "[REG1TEST;1]",
      "TName=Marovinta VHF",
      "TDate=20240907;20240908",
      "PCall=DL1ABC",
      "PWWLo=JO31AB",
      "PExch=",
      "PAdr1=",
      "PAdr2=",
      "PSect=SINGLE",
      "PBand=144 MHz",
      "PClub=",
      "RName=",
      "RCall=DL1ABC",
      "RAdr1=",
      "RAdr2=",
      "RPoCo=",
      "RCity=",
      "RCoun=",
      "RPhon=",
      "RHBBS=",
      "MOpe1=",
      "MOpe2=",
      "STXEq=",
      "SPowe=",
      "SRXEq=",
      "SAntH=",
      "SAntA=",
      "CQSOs=2;1",
      "CQSOP=1561",
      "CWWLs=1;0;1",
      "CWWLB=0",
      "CExcs=0;0;1",
      "CExcB=0",
      "CDXCs=0;0;1",
      "CDXCB=0",
      "CToSc=1561",
      "CODXC=OK2XZY;JN89KS;780",
      "[Remarks]",
      "Simulated by marovinta-contest.",
      "[QSORecords;3]",
      "240907;1415;OK2XYZ;1;59;001;59;001;;JN89KT;780;;;;",
      "240907;1515;OK2XZY;2;599;002;579;017;;JN89KS;781;;;;",
      "240908;1315;OK2XYZ;1;59;1003;59;001;;JN89KT;0;;;;D",
      "[END; marovinta-contest]",
  };
  std::string expected;
  for (const char* line : lines) {
    expected += std::string(line) + "\r\n";
  }
  EXPECT_EQ(EdiLogText(TwoStations(), 0, 0), expected);
  EXPECT_EQ(kEdiHeaderLines, 40);  // the lines before the first record, above
}

// A check log names its section CHECK; a log of another band holds that band's records only.
TEST(EdiLog, ACheckLogAndAnotherBand) {
  const SimulatedContest contest = TwoStations();
  const std::string check = EdiLogText(contest, 1, 0);
  EXPECT_NE(check.find("\r\nPSect=CHECK\r\n"), std::string::npos);
  const std::string uhf = EdiLogText(contest, 0, 1);
  EXPECT_NE(uhf.find("\r\nPBand=432 MHz\r\n"), std::string::npos);
  EXPECT_NE(uhf.find("\r\n[QSORecords;1]\r\n240907;1425;OK2XYZ;2;599;001;599;001;;JN89KT;"),
            std::string::npos);
}

// The log library's EDI reader reads the file as the log it is: the station, its locator, and
// every record on its line with its call, band, mode, locator copied and time.
TEST(EdiLog, TheEdiReaderReadsIt) {
  const ContestLog log = ReadEdi(EdiLogText(TwoStations(), 0, 0));
  EXPECT_EQ(log.stationCall, "DL1ABC");
  EXPECT_EQ(log.ownLocators, std::vector<std::string>{"JO31AB"});
  EXPECT_TRUE(log.warnings.empty());
  struct {
    std::string call, mode, exchange;
    std::int64_t time;
  } const expected[] = {
      {"OK2XYZ", "SSB", "JN89KT", k1415},
      {"OK2XZY", "CW", "JN89KS", k1415 + 3600},
      {"OK2XYZ", "SSB", "JN89KT", k1415 + 86400 - 3600},
  };
  ASSERT_EQ(log.qsos.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    const LogQso qso = log.qsos[i];
    EXPECT_EQ(qso.line, kEdiHeaderLines + 1 + static_cast<std::int64_t>(i));
    EXPECT_EQ(qso.callSign, expected[i].call);
    EXPECT_EQ(qso.band, "144");
    EXPECT_EQ(qso.mode, expected[i].mode);
    EXPECT_EQ(qso.exchange, expected[i].exchange);
    EXPECT_EQ(qso.utcSeconds, expected[i].time);
  }
}
