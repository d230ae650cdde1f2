// A simulated contest: stations working each other over a contest period, each QSO logged by both
// sides alike, with faults injected at given rates, deterministic for a seed. The tests and the
// benchmark check its logs and compare what the check finds with what was injected. An HF contest
// exchanges squares; a VHF contest, as IARU Region 1 logs it, is worked on several bands with a
// log per band, exchanging a report, a serial and a 6-character locator.
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

  bool vhf = false;  // a VHF contest; the settings below apply to it only
  // Rates per QSO, besides those above.
  double bustedSerials = 0.01;
  double bustedReports = 0.005;
  double outOfPeriod = 0.002;  // made before the period or after it, logged so by both sides
  double checkLogs = 0.02;     // per station that sends logs: they are check logs
  // Per station that sends logs and works several bands: it sends the log of one band only.
  double oneBandLogs = 0.1;
  double markedDuplicates = 0.5;  // per duplicate: the log marks it one (EDI's D)
};

enum class Fault : unsigned char {
  kNone,
  kBustedCall,     // this entry logged a near call instead of the worked station's
  kBustedLocator,  // this entry copied a wrong square (VHF: a wrong sub-square)
  kOtherMissing,   // the worked station's log leaves the QSO out
  kDuplicate,      // this entry repeats one before it
  kBustedSerial,   // this entry copied a wrong serial (VHF)
  kBustedReport,   // this entry copied a wrong report (VHF)
  kOutOfPeriod,    // the QSO was made outside the contest period, and both sides logged it (VHF)
  // This entry is left out of its log: the simulator keeps it only while it numbers the serials,
  // for the station did send one. No simulated contest's log holds one.
  kLeftOut,
};

struct SimulatedQso {
  std::int64_t time;         // as the logging station's clock showed it, whole minutes
  std::uint32_t worked;      // the station worked
  std::uint32_t loggedCall;  // a station, or the number of stations + a busted call
  std::uint32_t qso;         // the QSO both entries (and a duplicate's repeat) belong to
  // VHF: the serials sent and copied; the report copied (59 or 599 as sent: the mode tells).
  std::uint32_t sentSerial;
  std::uint32_t receivedSerial;
  std::uint16_t receivedReport;
  std::uint16_t copiedSquare;
  std::uint16_t copiedSubsquare;  // VHF
  std::uint8_t band;              // an index into kSimulatedBands, or kVhfBands for VHF
  std::uint8_t mode;              // 0 CW, 1 phone
  Fault fault;
  bool markedDuplicate;  // VHF: the log marks the entry a duplicate
};

struct SimulatedStation {
  std::string call;
  std::uint16_t square;  // its number (scoring/square_number.h)
  bool sendsLog;
  std::int64_t clockOffset;  // seconds ahead
  bool adif;  // its log is written as ADIF; never a log without QSOs, which ADIF cannot name
  // VHF: the sub-square of its 6-character locator (its letters' places, east then north:
  // 24 * east + north), the bands it works and those it sends a log for (a bit per band of
  // kVhfBands; a log for every band it has QSOs in, unless it sends one band's only), and
  // whether its logs are check logs.
  std::uint16_t subsquare = 0;
  std::uint8_t bands = 0;
  std::uint8_t logBands = 0;
  bool checkLog = false;
};

struct SimulatedContest {
  SimulationSettings settings;
  std::vector<SimulatedStation> stations;  // those that send a log first, in log order
  std::vector<std::string> bustedCalls;    // calls logged that no station has
  // Per station that sends a log, in time order; for VHF the entries of all its band logs.
  std::vector<std::vector<SimulatedQso>> logs;

  const std::string& LoggedCall(const SimulatedQso& qso) const;
  // Whether the station sent a log that covers the band: VHF logs cover one band each.
  bool SentLogFor(std::uint32_t station, std::uint8_t band) const;
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

// The bands of a VHF contest: as EDI's PBand names them, the band text in a file's name, the share
// of stations that work the band, and its weight when two stations that both work it draw a band.
struct SimulatedVhfBand {
  const char* pband;
  const char* name;
  double stationShare;
  unsigned weight;
};

inline constexpr SimulatedVhfBand kVhfBands[] = {
    {"144 MHz", "144", 1, 4}, {"432 MHz", "432", 0.4, 2}, {"1,3 GHz", "1296", 0.15, 1}};

// A VHF station's locator with its sub-square: "JO31AB".
std::string StationLocator(const SimulatedStation& station);
std::string LocatorText(std::uint16_t square, std::uint16_t subsquare);

// The report a station sends in the mode: 599 on CW, 59 on phone.
std::uint16_t SentReport(std::uint8_t mode);

// Throws std::invalid_argument when the stations are too few for the QSOs asked: each two work
// each other once on a band.
SimulatedContest SimulateContest(const SimulationSettings& settings);
