// A simulated contest: stations working each other over a contest period, each QSO logged by both
// sides alike, with faults injected at given rates, deterministic for a seed. The tests and the
// benchmark check its logs and compare what the check finds with what was injected.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SimulationSettings {
  std::size_t logs = 100;    // stations that send a log
  double qsosPerLog = 200;   // the mean number of entries in a log
  double silentShare = 0.1;  // stations that send no log, per station that does
  std::uint64_t seed = 1;
  // Rates per QSO; a QSO has at most one fault, on one side.
  double bustedCalls = 0.01;
  double bustedLocators = 0.01;
  double missing = 0.01;  // left out of one log (only when both stations send one)
  double duplicates = 0.005;
  double clockOffsets = 0.05;  // the share of logs whose clock is off, by whole minutes
  int largestOffsetMinutes = 30;
  double adifShare = 0;             // the share of logs written as ADIF instead of Cabrillo
  std::int64_t start = 1725717600;  // 2024-09-07 14:00 UTC
  int hours = 24;
};

enum class Fault : unsigned char {
  kNone,
  kBustedCall,     // this entry logged a near call instead of the worked station's
  kBustedLocator,  // this entry copied a wrong square
  kOtherMissing,   // the worked station's log leaves the QSO out
  kDuplicate,      // this entry repeats one before it
};

struct SimulatedQso {
  std::int64_t time;         // as the logging station's clock showed it, whole minutes
  std::uint32_t worked;      // the station worked
  std::uint32_t loggedCall;  // a station, or the number of stations + a busted call
  std::uint16_t copiedSquare;
  std::uint8_t band;  // an index into kSimulatedBands
  std::uint8_t mode;  // 0 CW, 1 phone
  Fault fault;
};

struct SimulatedStation {
  std::string call;
  std::uint16_t square;  // its number (scoring/square_number.h)
  bool sendsLog;
  std::int64_t clockOffset;  // seconds ahead
  bool adif;  // its log is written as ADIF; never a log without QSOs, which ADIF cannot name
};

struct SimulatedContest {
  SimulationSettings settings;
  std::vector<SimulatedStation> stations;       // those that send a log first, in log order
  std::vector<std::string> bustedCalls;         // calls logged that no station has
  std::vector<std::vector<SimulatedQso>> logs;  // per station that sends a log, in time order

  const std::string& LoggedCall(const SimulatedQso& qso) const;
};

struct SimulatedBand {
  const char* khz;   // a Cabrillo frequency
  const char* mhz;   // an ADIF frequency
  const char* adif;  // an ADIF band
};

inline constexpr SimulatedBand kSimulatedBands[] = {{"3550", "3.550", "80m"},
                                                    {"7030", "7.030", "40m"},
                                                    {"14050", "14.050", "20m"},
                                                    {"21050", "21.050", "15m"},
                                                    {"28050", "28.050", "10m"}};

// Throws std::invalid_argument when the stations are too few for the QSOs asked: each two work
// each other once on a band.
SimulatedContest SimulateContest(const SimulationSettings& settings);
