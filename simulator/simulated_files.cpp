#include "simulator/simulated_files.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "check/qso_class.h"
#include "scoring/square_number.h"
#include "scoring/text_rules.h"
#include "simulator/edi_log.h"
#include "simulator/utc_text.h"

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

std::string FileStem(const SimulatedStation& station) {
  std::string name;
  for (char c : station.call) {
    name += c == '/' ? '-' : LowerAscii(c);
  }
  return name;
}

std::string FileName(const SimulatedStation& station) {
  return FileStem(station) + (station.adif ? ".adi" : ".log");
}

std::string EdiFileName(const SimulatedStation& station, std::uint8_t band) {
  return FileStem(station) + "-" + kVhfBands[band].name + ".edi";
}

// One file of a station's: its HF log, or its VHF log of one band.
struct StationFile {
  std::string name;
  std::int64_t firstLine;            // of its first QSO
  std::optional<std::uint8_t> band;  // the one band a VHF log holds
};

std::vector<StationFile> StationFiles(const SimulatedContest& contest, std::size_t log) {
  const SimulatedStation& station = contest.stations[log];
  if (!contest.settings.vhf) {
    return {{FileName(station), (station.adif ? kAdifHeaderLines : kCabrilloHeaderLines) + 1,
             std::nullopt}};
  }
  std::vector<StationFile> files;
  for (std::uint8_t band = 0; band < std::size(kVhfBands); ++band) {
    if (contest.SentLogFor(static_cast<std::uint32_t>(log), band)) {
      files.push_back({EdiFileName(station, band), kEdiHeaderLines + 1, band});
    }
  }
  return files;
}

// "2024-09-07 1405" for Cabrillo, "20240907 1405" for ADIF's date and time.
std::string TimeText(std::int64_t seconds, bool adif) {
  return FormattedUtc(seconds, adif ? "%Y%m%d %H%M" : "%Y-%m-%d %H%M");
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

// Whether more than one log holds a call: per call, or for VHF per call and band, where a log is
// one station's log of the band.
class CallsInSeveralLogs {
 public:
  explicit CallsInSeveralLogs(const SimulatedContest& contest)
      : bands_(contest.settings.vhf ? std::size(kVhfBands) : 1) {
    const std::size_t calls = contest.stations.size() + contest.bustedCalls.size();
    std::vector<std::size_t> firstLog(calls * bands_, SIZE_MAX);
    several_.assign(calls * bands_, false);
    for (std::size_t log = 0; log < contest.logs.size(); ++log) {
      for (const SimulatedQso& qso : contest.logs[log]) {
        const std::size_t key = Key(qso);
        if (firstLog[key] == SIZE_MAX) {
          firstLog[key] = log;
        } else if (firstLog[key] != log) {
          several_[key] = true;
        }
      }
    }
  }

  bool Has(const SimulatedQso& qso) const { return several_[Key(qso)]; }

 private:
  std::size_t Key(const SimulatedQso& qso) const {
    return qso.loggedCall * bands_ + (bands_ == 1 ? 0 : qso.band);
  }

  std::size_t bands_;
  std::vector<bool> several_;
};

QsoClass ExpectedClass(const SimulatedContest& contest, const SimulatedQso& qso,
                       const CallsInSeveralLogs& several) {
  if (qso.fault == Fault::kDuplicate) {
    return QsoClass::kDuplicate;
  }
  if (qso.fault == Fault::kOutOfPeriod) {
    return QsoClass::kOutOfPeriod;
  }
  if (!contest.SentLogFor(qso.worked, qso.band)) {
    return several.Has(qso) ? QsoClass::kNotCheckable : QsoClass::kUnique;
  }
  switch (qso.fault) {
    case Fault::kBustedCall:
      return QsoClass::kBustedCall;
    case Fault::kOtherMissing:
      return QsoClass::kNotInLog;
    case Fault::kBustedLocator:
      return QsoClass::kBustedLocator;
    case Fault::kBustedSerial:
    case Fault::kBustedReport:
      return QsoClass::kBustedExchange;
    default:
      return QsoClass::kConfirmed;
  }
}

// Per QSO with a busted serial, the serial its copier was sent: what the other entry of the QSO
// says it sent, where the other station sent its log of the band; else 0.
std::unordered_map<std::uint32_t, std::uint32_t> SerialsSentForBusted(
    const SimulatedContest& contest) {
  std::unordered_map<std::uint32_t, std::uint32_t> sent;
  for (const auto& log : contest.logs) {
    for (const SimulatedQso& qso : log) {
      if (qso.fault == Fault::kBustedSerial) {
        sent.emplace(qso.qso, 0);
      }
    }
  }
  for (const auto& log : contest.logs) {
    for (const SimulatedQso& qso : log) {
      const auto busted = sent.find(qso.qso);
      if (busted != sent.end() && qso.fault != Fault::kBustedSerial &&
          qso.fault != Fault::kDuplicate) {
        busted->second = qso.sentSerial;
      }
    }
  }
  return sent;
}

std::string Detail(const SimulatedContest& contest, const SimulatedStation& logger,
                   const SimulatedQso& qso,
                   const std::unordered_map<std::uint32_t, std::uint32_t>& serialsSent) {
  const SimulatedStation& worked = contest.stations[qso.worked];
  switch (qso.fault) {
    case Fault::kBustedCall:
      return "logged " + contest.LoggedCall(qso) + " for " + worked.call;
    case Fault::kBustedLocator:
      if (contest.settings.vhf) {
        return "copied " + LocatorText(qso.copiedSquare, qso.copiedSubsquare) + " for " +
               StationLocator(worked);
      }
      return "copied " + SquareText(qso.copiedSquare) + " for " + SquareText(worked.square);
    case Fault::kOtherMissing:
      return worked.call + " left it out";
    case Fault::kDuplicate:
      return qso.markedDuplicate ? "logged again, marked D" : "logged again";
    case Fault::kBustedSerial: {
      const std::uint32_t sent = serialsSent.at(qso.qso);  // 0 where no log shows it
      return "copied serial " + SerialText(qso.receivedSerial) +
             (sent != 0 ? " for " + SerialText(sent) : "");
    }
    case Fault::kBustedReport:
      return "copied report " + std::to_string(qso.receivedReport) + " for " +
             std::to_string(SentReport(qso.mode));
    case Fault::kOutOfPeriod:
      return qso.time - logger.clockOffset < contest.settings.start ? "made before the period"
                                                                    : "made after the period";
    default:
      break;
  }
  if (!contest.settings.vhf) {
    return worked.sendsLog ? "" : worked.call + " sent no log";
  }
  return contest.SentLogFor(qso.worked, qso.band)
             ? ""
             : worked.call + " sent no " + kVhfBands[qso.band].pband + " log";
}
}  // namespace

SimulatedFile SimulatedLogFile(const SimulatedContest& contest, std::size_t log) {
  const SimulatedStation& station = contest.stations[log];
  return {FileName(station), station.adif ? AdifText(contest, station, contest.logs[log])
                                          : CabrilloText(contest, station, contest.logs[log])};
}

std::vector<SimulatedFile> SimulatedLogFiles(const SimulatedContest& contest, std::size_t log) {
  if (!contest.settings.vhf) {
    return {SimulatedLogFile(contest, log)};
  }
  std::vector<SimulatedFile> files;
  for (const StationFile& file : StationFiles(contest, log)) {
    files.push_back({file.name, EdiLogText(contest, log, *file.band)});
  }
  return files;
}

std::vector<Finding> SimulatedTruth(const SimulatedContest& contest) {
  const CallsInSeveralLogs several(contest);
  const auto serialsSent = SerialsSentForBusted(contest);
  std::vector<Finding> truth;
  for (std::size_t log = 0; log < contest.logs.size(); ++log) {
    const SimulatedStation& station = contest.stations[log];
    for (const StationFile& file : StationFiles(contest, log)) {
      if (station.clockOffset != 0) {
        truth.push_back(
            {file.name, 0, std::string(kClockOffsetKind), std::to_string(station.clockOffset)});
      }
      std::int64_t line = file.firstLine;
      for (const SimulatedQso& qso : contest.logs[log]) {
        if (file.band && qso.band != *file.band) {
          continue;
        }
        const QsoClass expected = ExpectedClass(contest, qso, several);
        if (expected != QsoClass::kConfirmed) {
          truth.push_back({file.name, line, std::string(ClassKey(expected)),
                           Detail(contest, station, qso, serialsSent)});
        }
        ++line;
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
    for (const SimulatedFile& file : SimulatedLogFiles(contest, log)) {
      write(logs / file.name, file.text);
    }
  }
  write(std::filesystem::path(folder) / "truth.csv", FindingsCsv(SimulatedTruth(contest)));
}
