// Small contests for the check's tests, written as the QSO lines of each station's log.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "check/contest_check.h"
#include "check/log_reading.h"
#include "logfiles/log_reader.h"
#include "logfiles/log_time.h"

// One QSO of a station's log: {"14000 CW 2024-09-07 1400", "OK1XYZ JN79"} stands for the
// Cabrillo line "QSO: 14000 CW 2024-09-07 1400 <own call> <own grid> OK1XYZ JN79".
struct StationQso {
  std::string when;
  std::string worked;
};

struct StationLog {
  std::string call;
  std::string grid;
  std::vector<StationQso> qsos;
};

inline std::string CabrilloText(const StationLog& station) {
  std::string text = "START-OF-LOG: 3.0\nCALLSIGN: " + station.call + "\n";
  for (const StationQso& qso : station.qsos) {
    text += "QSO: " + qso.when + " " + station.call + " " + station.grid + " " + qso.worked + "\n";
  }
  return text + "END-OF-LOG:\n";
}

// A tally's four counts in one text, so that one expectation compares two tallies and a failure
// shows both whole.
inline std::string TallyText(const ScoreTally& tally) {
  return std::to_string(tally.qsos) + " QSOs, " + std::to_string(tally.points) + " points, " +
         std::to_string(tally.fields) + " multipliers, score " + std::to_string(tally.score);
}

// One QSO of a log of one band, as EDI logs keep it: {"2016-05-07 1400", "YO5BBB", "59 001",
// "59 012 KN16SS"} is the time, the call worked, the report and serial sent, and the report,
// serial and locator received; "-" stands for a text the log left empty.
struct BandQso {
  std::string when;
  std::string worked;
  std::string sent;
  std::string received;
  bool markedDuplicate = false;
  std::string mode = "SSB";
};

struct BandLog {
  std::string call;
  std::string locator;
  std::string band;  // the band text of the one band it covers: "144"
  std::vector<BandQso> qsos;
  std::string section = "SINGLE";
};

// The file a BandLog is read from: "YO5AAA-144.edi".
inline std::string BandLogFile(const BandLog& log) {
  return log.call + "-" + log.band + ".edi";
}

// The words of a BandQso's text, "-" giving an empty one; as many as asked, the missing empty.
inline std::vector<std::string> ExchangeWords(const std::string& text, std::size_t count) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) {
    words.push_back(word == "-" ? "" : word);
  }
  words.resize(count);
  return words;
}

// The log as a reader gives it, its QSOs on lines 1, 2, ...
inline ContestLog BandContestLog(const BandLog& band) {
  ContestLog log;
  log.format = "EDI";
  log.stationCall = band.call;
  log.section = band.section;
  log.logBand = band.band;
  log.ownLocators = {band.locator};
  std::int64_t line = 0;
  for (const BandQso& entry : band.qsos) {
    LogQso qso;
    qso.callSign = entry.worked;
    qso.band = band.band;
    qso.mode = entry.mode;
    const std::vector<std::string> sent = ExchangeWords(entry.sent, 2);
    const std::vector<std::string> received = ExchangeWords(entry.received, 3);
    qso.sentReport = sent[0];
    qso.sentSerial = sent[1];
    qso.receivedReport = received[0];
    qso.receivedSerial = received[1];
    qso.exchange = received[2];
    qso.line = ++line;
    qso.ownCall = band.call;
    qso.ownLocator = band.locator;
    qso.utcSeconds = UtcSeconds(entry.when.substr(0, 10), entry.when.substr(11));
    qso.markedDuplicate = entry.markedDuplicate;
    log.qsos.push_back(qso);
  }
  return log;
}

struct CheckedContest {
  ContestLogs logs;
  CheckResult result;

  // The index of the `n`th QSO (from 1) of the log of `call`.
  std::uint32_t Qso(const std::string& call, int n) const {
    for (const CheckLog& log : logs.logs) {
      if (log.stationCall == call) {
        return static_cast<std::uint32_t>(log.first + n - 1);
      }
    }
    return kNoPartner;
  }
  const QsoOutcome& Outcome(const std::string& call, int n) const {
    return result.outcomes[Qso(call, n)];
  }
  // The index of the `n`th QSO (from 1) of the log read from `file`; kNoPartner for none.
  std::uint32_t QsoOfFile(const std::string& file, int n) const {
    for (const CheckLog& log : logs.logs) {
      if (log.file == file && n >= 1 && static_cast<std::size_t>(n) <= log.count) {
        return static_cast<std::uint32_t>(log.first + n - 1);
      }
    }
    return kNoPartner;
  }
  std::size_t Log(const std::string& call) const {
    for (std::size_t i = 0; i < logs.logs.size(); ++i) {
      if (logs.logs[i].stationCall == call) {
        return i;
      }
    }
    return logs.logs.size();
  }
};

inline CheckedContest CheckStations(const std::vector<StationLog>& stations,
                                    const CheckRules& rules = {}) {
  CheckedContest contest{ContestLogs(stations.size()), {}};
  for (std::size_t i = 0; i < stations.size(); ++i) {
    EnterLog(contest.logs, i, stations[i].call + ".log", ReadLogText(CabrilloText(stations[i])));
  }
  contest.logs.Seal();
  ProgressBar quiet(false, nullptr);
  contest.result = CheckContest(contest.logs, rules, 1, quiet);
  return contest;
}

// The logs entered in the order given, repeated stations set aside as the command does, and
// checked by `rules`.
inline CheckedContest CheckBandLogs(const std::vector<BandLog>& bandLogs, const CheckRules& rules) {
  CheckedContest contest{ContestLogs(bandLogs.size()), {}};
  for (std::size_t i = 0; i < bandLogs.size(); ++i) {
    EnterLog(contest.logs, i, BandLogFile(bandLogs[i]), BandContestLog(bandLogs[i]));
  }
  SetAsideRepeatedStations(contest.logs, rules);
  contest.logs.Seal();
  ProgressBar quiet(false, nullptr);
  contest.result = CheckContest(contest.logs, rules, 1, quiet);
  return contest;
}
