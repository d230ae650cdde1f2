// Small contests for the check's tests, written as the QSO lines of each station's log.
#pragma once

#include <string>
#include <vector>

#include "check/contest_check.h"
#include "check/log_reading.h"
#include "logfiles/log_reader.h"

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

// The Cabrillo line of QSO number n (from 1) of a log made by CabrilloText.
inline int LineOfQso(int n) {
  return 2 + n;
}

// A tally's four counts in one text, so that one expectation compares two tallies and a failure
// shows both whole.
inline std::string TallyText(const ScoreTally& tally) {
  return std::to_string(tally.qsos) + " QSOs, " + std::to_string(tally.points) + " points, " +
         std::to_string(tally.fields) + " multipliers, score " + std::to_string(tally.score);
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
