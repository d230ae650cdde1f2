#include "simulator/edi_log.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <set>

#include "distance/maidenhead.h"
#include "simulator/utc_text.h"

namespace {
constexpr const char* kEol = "\r\n";
constexpr const char* kContestName = "Marovinta VHF";
// The header's lines in the format's order. Those the simulator has nothing to say in (the
// entrant's address, club, operators and station) stay empty.
constexpr const char* kHeaderNames[] = {
    "TName", "TDate", "PCall", "PWWLo", "PExch", "PAdr1", "PAdr2", "PSect", "PBand",
    "PClub", "RName", "RCall", "RAdr1", "RAdr2", "RPoCo", "RCity", "RCoun", "RPhon",
    "RHBBS", "MOpe1", "MOpe2", "STXEq", "SPowe", "SRXEq", "SAntH", "SAntA", "CQSOs",
    "CQSOP", "CWWLs", "CWWLB", "CExcs", "CExcB", "CDXCs", "CDXCB", "CToSc", "CODXC"};
constexpr const char* kModeCodes[] = {"2", "1"};  // CW, SSB

// The IARU's points: a point a kilometre, the kilometres truncated, plus one.
std::int64_t ClaimedPoints(const std::string& own, const std::string& copied) {
  const std::optional<double> km = LocatorDistanceKm(own, copied, 6);
  return km ? static_cast<std::int64_t>(std::floor(*km)) + 1 : 0;
}

// What a log claims: its QSOs and points (those it marks duplicates count for nothing), the
// squares it worked, and its longest QSO.
struct Claims {
  std::size_t qsos = 0;
  std::int64_t points = 0;
  std::set<std::string> squares;
  std::string longest;  // "CALL;WWL;km"
  std::int64_t longestKm = -1;
};

std::string Record(const SimulatedContest& contest, const std::string& ownLocator,
                   const SimulatedQso& qso, Claims& claims) {
  const std::string copied = LocatorText(qso.copiedSquare, qso.copiedSubsquare);
  const std::int64_t points = qso.markedDuplicate ? 0 : ClaimedPoints(ownLocator, copied);
  if (!qso.markedDuplicate) {
    ++claims.qsos;
    claims.points += points;
    claims.squares.insert(copied.substr(0, 4));
    if (points - 1 > claims.longestKm) {
      claims.longestKm = points - 1;
      claims.longest = contest.LoggedCall(qso) + ";" + copied + ";" + std::to_string(points - 1);
    }
  }
  return FormattedUtc(qso.time, "%y%m%d;%H%M") + ";" + contest.LoggedCall(qso) + ";" +
         kModeCodes[qso.mode] + ";" + std::to_string(SentReport(qso.mode)) + ";" +
         SerialText(qso.sentSerial) + ";" + std::to_string(qso.receivedReport) + ";" +
         SerialText(qso.receivedSerial) + ";;" + copied + ";" + std::to_string(points) + ";;;;" +
         (qso.markedDuplicate ? "D" : "") + kEol;
}

std::string Header(const SimulatedContest& contest, const SimulatedStation& station,
                   std::uint8_t band, const Claims& claims) {
  const SimulationSettings& settings = contest.settings;
  const std::int64_t lastSecond = settings.start + settings.hours * 3600 - 1;
  const std::string points = std::to_string(claims.points);
  const std::map<std::string, std::string> values = {
      {"TName", kContestName},
      {"TDate", FormattedUtc(settings.start, "%Y%m%d") + ";" + FormattedUtc(lastSecond, "%Y%m%d")},
      {"PCall", station.call},
      {"PWWLo", StationLocator(station)},
      {"PSect", station.checkLog ? "CHECK" : "SINGLE"},
      {"PBand", kVhfBands[band].pband},
      {"RCall", station.call},
      {"CQSOs", std::to_string(claims.qsos) + ";1"},
      {"CQSOP", points},
      {"CWWLs", std::to_string(claims.squares.size()) + ";0;1"},
      {"CWWLB", "0"},
      {"CExcs", "0;0;1"},
      {"CExcB", "0"},
      {"CDXCs", "0;0;1"},
      {"CDXCB", "0"},
      {"CToSc", points},
      {"CODXC", claims.longest},
  };
  std::string text = std::string("[REG1TEST;1]") + kEol;
  for (const char* name : kHeaderNames) {
    const auto value = values.find(name);
    text += std::string(name) + "=" + (value == values.end() ? "" : value->second) + kEol;
  }
  return text;
}
}  // namespace

std::string SerialText(std::uint32_t serial) {
  char text[16];
  std::snprintf(text, sizeof text, "%03u", serial);
  return text;
}

// [REG1TEST;1] and the header; [Remarks], its line and [QSORecords;N].
const int kEdiHeaderLines = 1 + static_cast<int>(std::size(kHeaderNames)) + 3;

std::string EdiLogText(const SimulatedContest& contest, std::size_t log, std::uint8_t band) {
  const SimulatedStation& station = contest.stations[log];
  const std::string ownLocator = StationLocator(station);
  Claims claims;
  std::string records;
  std::size_t count = 0;
  for (const SimulatedQso& qso : contest.logs[log]) {
    if (qso.band == band) {
      records += Record(contest, ownLocator, qso, claims);
      ++count;
    }
  }
  return Header(contest, station, band, claims) + "[Remarks]" + kEol +
         "Simulated by marovinta-contest." + kEol + "[QSORecords;" + std::to_string(count) + "]" +
         kEol + records + "[END; marovinta-contest]" + kEol;
}
