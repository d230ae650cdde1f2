#include "simulator/simulated_files.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "check/qso_class.h"
#include "scoring/square_number.h"
#include "scoring/text_rules.h"

namespace {
constexpr const char* kModes[] = {"CW", "PH"};
constexpr const char* kAdifModes[] = {"CW", "SSB"};

const char* const kCabrilloHeader[] = {"START-OF-LOG: 3.0", "CONTEST: MAROVINTA",
                                       "CATEGORY-OPERATOR: SINGLE-OP",
                                       "CREATED-BY: marovinta-contest"};
constexpr int kCabrilloHeaderLines = std::size(kCabrilloHeader) + 2;  // and CALLSIGN, GRID-LOCATOR
const char* const kAdifHeader =
    "marovinta-contest\n<ADIF_VER:5>3.1.4\n<PROGRAMID:17>marovinta-contest\n<EOH>\n";
constexpr int kAdifHeaderLines = 4;

std::string FileName(const SimulatedStation& station) {
  std::string name;
  for (char c : station.call) {
    name += c == '/' ? '-' : LowerAscii(c);
  }
  return name + (station.adif ? ".adi" : ".log");
}

// "2024-09-07 1405" for Cabrillo, "20240907 1405" for ADIF's date and time.
std::string TimeText(std::int64_t seconds, bool adif) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm utc{};
  gmtime_r(&time, &utc);
  char text[32];
  std::strftime(text, sizeof text, adif ? "%Y%m%d %H%M" : "%Y-%m-%d %H%M", &utc);
  return text;
}

std::string AdifField(const char* name, const std::string& value) {
  return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + value + " ";
}

std::string CabrilloText(const SimulatedContest& contest, const SimulatedStation& station,
                         const std::vector<SimulatedQso>& qsos) {
  std::string text;
  for (const char* line : kCabrilloHeader) {
    text += std::string(line) + "\n";
  }
  const std::string own = station.call + " " + SquareText(station.square) + " ";
  text += "CALLSIGN: " + station.call + "\nGRID-LOCATOR: " + SquareText(station.square) + "\n";
  for (const SimulatedQso& qso : qsos) {
    text += std::string("QSO: ") + kSimulatedBands[qso.band].khz + " " + kModes[qso.mode] + " " +
            TimeText(qso.time, false) + " " + own + contest.LoggedCall(qso) + " " +
            SquareText(qso.copiedSquare) + "\n";
  }
  return text + "END-OF-LOG:\n";
}

std::string AdifText(const SimulatedContest& contest, const SimulatedStation& station,
                     const std::vector<SimulatedQso>& qsos) {
  std::string text = kAdifHeader;
  for (const SimulatedQso& qso : qsos) {
    const std::string when = TimeText(qso.time, true);
    text += AdifField("CALL", contest.LoggedCall(qso)) +
            AdifField("GRIDSQUARE", SquareText(qso.copiedSquare)) +
            AdifField("MODE", kAdifModes[qso.mode]) +
            AdifField("BAND", kSimulatedBands[qso.band].adif) +
            AdifField("FREQ", kSimulatedBands[qso.band].mhz) +
            AdifField("QSO_DATE", when.substr(0, 8)) + AdifField("TIME_ON", when.substr(9)) +
            AdifField("STATION_CALLSIGN", station.call) +
            AdifField("MY_GRIDSQUARE", SquareText(station.square)) + "<EOR>\n";
  }
  return text;
}

// Per call logged: whether more than one log holds it.
std::vector<bool> CallsInSeveralLogs(const SimulatedContest& contest) {
  const std::size_t calls = contest.stations.size() + contest.bustedCalls.size();
  std::vector<std::size_t> firstLog(calls, SIZE_MAX);
  std::vector<bool> several(calls, false);
  for (std::size_t log = 0; log < contest.logs.size(); ++log) {
    for (const SimulatedQso& qso : contest.logs[log]) {
      if (firstLog[qso.loggedCall] == SIZE_MAX) {
        firstLog[qso.loggedCall] = log;
      } else if (firstLog[qso.loggedCall] != log) {
        several[qso.loggedCall] = true;
      }
    }
  }
  return several;
}

QsoClass ExpectedClass(const SimulatedContest& contest, const SimulatedQso& qso,
                       const std::vector<bool>& several) {
  if (qso.fault == Fault::kDuplicate) {
    return QsoClass::kDuplicate;
  }
  if (!contest.stations[qso.worked].sendsLog) {
    return several[qso.loggedCall] ? QsoClass::kNotCheckable : QsoClass::kUnique;
  }
  switch (qso.fault) {
    case Fault::kBustedCall:
      return QsoClass::kBustedCall;
    case Fault::kOtherMissing:
      return QsoClass::kNotInLog;
    case Fault::kBustedLocator:
      return QsoClass::kBustedLocator;
    default:
      return QsoClass::kConfirmed;
  }
}

std::string Detail(const SimulatedContest& contest, const SimulatedQso& qso) {
  const SimulatedStation& worked = contest.stations[qso.worked];
  switch (qso.fault) {
    case Fault::kBustedCall:
      return "logged " + contest.LoggedCall(qso) + " for " + worked.call;
    case Fault::kBustedLocator:
      return "copied " + SquareText(qso.copiedSquare) + " for " + SquareText(worked.square);
    case Fault::kOtherMissing:
      return worked.call + " left it out";
    case Fault::kDuplicate:
      return "logged again";
    default:
      break;
  }
  return worked.sendsLog ? "" : worked.call + " sent no log";
}
}  // namespace

SimulatedFile SimulatedLogFile(const SimulatedContest& contest, std::size_t log) {
  const SimulatedStation& station = contest.stations[log];
  return {FileName(station), station.adif ? AdifText(contest, station, contest.logs[log])
                                          : CabrilloText(contest, station, contest.logs[log])};
}

std::vector<Finding> SimulatedTruth(const SimulatedContest& contest) {
  const std::vector<bool> several = CallsInSeveralLogs(contest);
  std::vector<Finding> truth;
  for (std::size_t log = 0; log < contest.logs.size(); ++log) {
    const SimulatedStation& station = contest.stations[log];
    const std::string file = FileName(station);
    if (station.clockOffset != 0) {
      truth.push_back(
          {file, 0, std::string(kClockOffsetKind), std::to_string(station.clockOffset)});
    }
    const int firstLine = (station.adif ? kAdifHeaderLines : kCabrilloHeaderLines) + 1;
    for (std::size_t i = 0; i < contest.logs[log].size(); ++i) {
      const SimulatedQso& qso = contest.logs[log][i];
      const QsoClass expected = ExpectedClass(contest, qso, several);
      if (expected != QsoClass::kConfirmed) {
        truth.push_back({file, firstLine + static_cast<std::int64_t>(i),
                         std::string(ClassKey(expected)), Detail(contest, qso)});
      }
    }
  }
  return truth;
}

void WriteSimulatedContest(const SimulatedContest& contest, const std::string& folder) {
  const std::filesystem::path logs = std::filesystem::path(folder) / "logs";
  std::filesystem::create_directories(logs);
  const auto write = [](const std::filesystem::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    file.close();
    if (!file) {
      throw std::runtime_error("cannot write " + path.string());
    }
  };
  for (std::size_t log = 0; log < contest.logs.size(); ++log) {
    const SimulatedFile file = SimulatedLogFile(contest, log);
    write(logs / file.name, file.text);
  }
  write(std::filesystem::path(folder) / "truth.csv", FindingsCsv(SimulatedTruth(contest)));
}
