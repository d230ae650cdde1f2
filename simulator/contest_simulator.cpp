#include "simulator/contest_simulator.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "scoring/square_number.h"
#include "simulator/dice.h"
#include "simulator/exchange_miscopies.h"

namespace {
// The simulated stations stand in a few fields of Europe: a station's place is drawn among their
// squares, a field's hundred in the order of their digits.
constexpr const char* kFields[] = {"IN", "IO", "JN", "JO", "JP", "KN", "KO", "KP"};
constexpr std::uint64_t kPlaces = std::size(kFields) * 100;
constexpr const char* kPrefixes[] = {"DL", "DK", "OK", "OM", "SP", "HA", "OE", "HB9", "S5", "9A",
                                     "YO", "LZ", "F",  "G",  "ON", "PA", "OZ", "SM",  "LA", "OH",
                                     "ES", "YL", "LY", "I",  "EA", "CT", "EI", "GM",  "UR", "YU"};
constexpr std::int64_t kMinute = 60;
// How far apart the two sides' clocks read the same moment, before any clock is off.
constexpr std::int64_t kLoggingJitterSeconds = 30;
constexpr std::int64_t kLongestDuplicateGapMinutes = 30;
// How far inside the period a VHF QSO (or a duplicate's repeat) is made, and how far outside one
// out of it: far enough that a logged minute, its clock corrected by a check to within a minute,
// does not cross the period's edge.
constexpr std::int64_t kEdgeMinutes = 3;
constexpr std::int64_t kLeastMinutesOutside = 5;
constexpr std::int64_t kMostMinutesOutside = 120;
// A VHF log's clock is off only where each of the station's logs has this many QSOs with other
// logs and no fault, so that a check can tell its offset (the IARU rules ask 5).
constexpr std::size_t kLeastQsosShowingAClock = 10;
constexpr std::uint16_t kSubsquares = kSubsquareLetters * kSubsquareLetters;

char Letter(Dice& dice) {
  return static_cast<char>('A' + dice.Below(26));
}

std::string NewCall(Dice& dice) {
  std::string call = kPrefixes[dice.Below(std::size(kPrefixes))];
  call += static_cast<char>('0' + dice.Below(10));
  const std::uint64_t letters = 2 + dice.Below(2);
  for (std::uint64_t i = 0; i < letters; ++i) {
    call += Letter(dice);
  }
  return call;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// One slip: a character changed for another of its kind, two neighbours swapped, or one left out.
std::string Slip(const std::string& call, Dice& dice) {
  std::string busted = call;
  const std::size_t at = dice.Below(call.size());
  const double kind = dice.Unit();
  if (kind < 0.7) {
    busted[at] = IsDigit(call[at]) ? static_cast<char>('0' + dice.Below(10)) : Letter(dice);
  } else if (kind < 0.85 && at + 1 < call.size()) {
    std::swap(busted[at], busted[at + 1]);
  } else if (call.size() > 3) {
    busted.erase(at, 1);
  }
  return busted;
}

std::uint16_t NumberOf(const std::string& square) {
  return static_cast<std::uint16_t>(*SquareNumber(square));
}

std::uint16_t SquareOfPlace(std::uint64_t place) {
  return NumberOf(kFields[place / 100] + std::to_string(place % 100 / 10) +
                  std::to_string(place % 10));
}

std::size_t FieldIndex(const std::string& square) {
  std::size_t i = 0;
  while (square.compare(0, 2, kFields[i]) != 0) {
    ++i;
  }
  return i;
}

char OtherDigit(char digit, Dice& dice) {
  return static_cast<char>('0' + (digit - '0' + 1 + dice.Below(9)) % 10);
}

// A square one character off: a digit, or the field for another of the stations' fields.
std::uint16_t Miscopied(std::uint16_t square, Dice& dice) {
  std::string text = SquareText(square);
  switch (dice.Below(3)) {
    case 0:
      text[3] = OtherDigit(text[3], dice);
      break;
    case 1:
      text[2] = OtherDigit(text[2], dice);
      break;
    default:
      text.replace(0, 2,
                   kFields[(FieldIndex(text) + 1 + dice.Below(std::size(kFields) - 1)) %
                           std::size(kFields)]);
      break;
  }
  return NumberOf(text);
}

// Whole minutes, rounded down or up.
std::int64_t MinutesDown(std::int64_t seconds) {
  return seconds >= 0 ? seconds / kMinute : -((-seconds + kMinute - 1) / kMinute);
}
std::int64_t MinutesUp(std::int64_t seconds) {
  return -MinutesDown(-seconds);
}

bool OnBand(std::uint8_t bands, std::uint8_t band) {
  return (bands >> band) & 1u;
}

class Simulator {
 public:
  explicit Simulator(const SimulationSettings& settings) : dice_(settings.seed) {
    contest_.settings = settings;
  }

  SimulatedContest Run() {
    MakeStations();
    MakeQsos();
    for (auto& log : contest_.logs) {
      std::stable_sort(log.begin(), log.end(), [](const SimulatedQso& a, const SimulatedQso& b) {
        return a.time < b.time;
      });
    }
    if (Settings().vhf) {
      NumberSerials();
      KeepTheLogsSent();
      SetClockOffsets();
    }
    WriteEmptyLogsAsCabrillo();
    return std::move(contest_);
  }

 private:
  const SimulationSettings& Settings() const { return contest_.settings; }
  std::int64_t Start() const { return Settings().start; }
  std::int64_t End() const { return Settings().start + Settings().hours * 3600; }

  void MakeStations() {
    const bool vhf = Settings().vhf;
    const std::size_t logs = Settings().logs;
    const std::size_t silent =
        static_cast<std::size_t>(std::llround(Settings().silentShare * static_cast<double>(logs)));
    while (contest_.stations.size() < logs + silent) {
      std::string call = NewCall(dice_);
      if (!calls_.insert(call).second) {
        continue;
      }
      SimulatedStation station;
      station.call = std::move(call);
      station.square = SquareOfPlace(dice_.Below(kPlaces));
      station.sendsLog = contest_.stations.size() < logs;
      station.clockOffset = 0;
      // A VHF clock is set once the QSOs show which logs can tell it.
      if (!vhf && station.sendsLog && dice_.Chance(Settings().clockOffsets)) {
        station.clockOffset = DrawClockOffset();
      }
      station.adif = !vhf && station.sendsLog && dice_.Chance(Settings().adifShare);
      if (vhf) {
        MakeVhfStation(station);
      }
      contest_.stations.push_back(std::move(station));
    }
    // A VHF contest keeps every station's entries until the serials are numbered.
    contest_.logs.resize(vhf ? contest_.stations.size() : logs);
  }

  void MakeVhfStation(SimulatedStation& station) {
    station.subsquare = static_cast<std::uint16_t>(dice_.Below(kSubsquares));
    // One draw for all bands: a station that works a band works the busier ones too.
    const double activity = dice_.Unit();
    for (std::uint8_t band = 0; band < std::size(kVhfBands); ++band) {
      if (activity < kVhfBands[band].stationShare) {
        station.bands |= static_cast<std::uint8_t>(1u << band);
      }
    }
    if (!station.sendsLog) {
      return;
    }
    station.logBands = station.bands;
    std::vector<std::uint8_t> worked;
    for (std::uint8_t band = 0; band < std::size(kVhfBands); ++band) {
      if (OnBand(station.bands, band)) {
        worked.push_back(band);
      }
    }
    if (worked.size() > 1 && dice_.Chance(Settings().oneBandLogs)) {
      station.logBands = static_cast<std::uint8_t>(1u << worked[dice_.Below(worked.size())]);
    }
    station.checkLog = dice_.Chance(Settings().checkLogs);
  }

  // An ADIF file names its station only in its records, a Cabrillo file in its header: a log
  // without QSOs is written as Cabrillo, so that every log names its station. No die is cast.
  void WriteEmptyLogsAsCabrillo() {
    for (std::size_t log = 0; log < contest_.logs.size(); ++log) {
      if (contest_.logs[log].empty()) {
        contest_.stations[log].adif = false;
      }
    }
  }

  // Each QSO joins a station that sends a log with any other; it is entered once, twice when the
  // other sends a log too (less the missing), once more when duplicated. There are as many QSOs
  // as give each log qsosPerLog entries on average.
  std::size_t QsoCount() const {
    const double logs = static_cast<double>(Settings().logs);
    const double others = static_cast<double>(contest_.stations.size()) - 1;
    if (others < 1) {
      return 0;
    }
    const double otherLogs = (logs - 1) / others;
    const double entries = 1 + otherLogs * (1 - Settings().missing) + Settings().duplicates;
    return static_cast<std::size_t>(std::llround(Settings().qsosPerLog * logs / entries));
  }

  // Each two stations work once on a band; drawing pairs at random finds new ones quickly only
  // while at most half of them are taken. Every two HF stations share all bands, every two VHF
  // stations the busiest.
  std::size_t MostQsos() const {
    const std::size_t logs = Settings().logs;
    const std::size_t silent = contest_.stations.size() - logs;
    const std::size_t sharedBands = Settings().vhf ? 1 : std::size(kSimulatedBands);
    return (logs * (logs - 1) / 2 + logs * silent) * sharedBands / 2;
  }

  void MakeQsos() {
    const std::size_t count = QsoCount();
    if (count > MostQsos()) {
      throw std::invalid_argument("too many QSOs for so few stations: at most " +
                                  std::to_string(MostQsos()) + " in all, " + std::to_string(count) +
                                  " asked");
    }
    std::unordered_set<std::uint64_t> worked;  // each pair once per band
    worked.reserve(count);
    const std::uint64_t stations = contest_.stations.size();
    const std::uint64_t bands = Settings().vhf ? std::size(kVhfBands) : std::size(kSimulatedBands);
    for (std::size_t made = 0; made < count;) {
      const std::uint32_t a = static_cast<std::uint32_t>(dice_.Below(Settings().logs));
      const std::uint32_t b = static_cast<std::uint32_t>(dice_.Below(stations));
      const std::uint8_t band =
          Settings().vhf ? SharedBand(a, b) : static_cast<std::uint8_t>(dice_.Below(bands));
      const std::uint64_t key = (std::min(a, b) * stations + std::max(a, b)) * bands + band;
      if (a == b || !worked.insert(key).second) {
        continue;
      }
      MakeQso(a, b, band);
      ++made;
    }
  }

  // A band both stations work, by the bands' weights.
  std::uint8_t SharedBand(std::uint32_t a, std::uint32_t b) {
    const std::uint8_t shared = contest_.stations[a].bands & contest_.stations[b].bands;
    unsigned total = 0;
    for (std::uint8_t band = 0; band < std::size(kVhfBands); ++band) {
      total += OnBand(shared, band) ? kVhfBands[band].weight : 0;
    }
    std::uint64_t draw = dice_.Below(total);
    std::uint8_t band = 0;
    while (!OnBand(shared, band) || draw >= kVhfBands[band].weight) {
      draw -= OnBand(shared, band) ? kVhfBands[band].weight : 0;
      ++band;
    }
    return band;
  }

  // The fault a QSO gets, if any: at most one.
  Fault DrawFault() {
    const SimulationSettings& s = Settings();
    const struct {
      Fault fault;
      double rate;
    } rates[] = {
        {Fault::kBustedCall, s.bustedCalls},
        {Fault::kBustedLocator, s.bustedLocators},
        {Fault::kLeftOut, s.missing},
        {Fault::kDuplicate, s.duplicates},
        {Fault::kBustedSerial, s.vhf ? s.bustedSerials : 0},
        {Fault::kBustedReport, s.vhf ? s.bustedReports : 0},
        {Fault::kOutOfPeriod, s.vhf ? s.outOfPeriod : 0},
    };
    double draw = dice_.Unit();
    for (const auto& rate : rates) {
      if ((draw -= rate.rate) < 0) {
        return rate.fault;
      }
    }
    return Fault::kNone;
  }

  void MakeQso(std::uint32_t a, std::uint32_t b, std::uint8_t band) {
    const bool vhf = Settings().vhf;
    const bool bothLog = contest_.SentLogFor(a, band) && contest_.SentLogFor(b, band);
    const std::int64_t inside = vhf ? kEdgeMinutes * kMinute : 0;
    const std::int64_t moment = dice_.Between(Start() + inside, End() - 1 - inside);
    const std::uint8_t mode = static_cast<std::uint8_t>(dice_.Below(2));
    const std::uint32_t qso = qsos_++;
    SimulatedQso sideA = Entry(a, b, band, mode, moment, qso);
    SimulatedQso sideB = Entry(b, a, band, mode, moment, qso);
    // A fault shows only in a log that is sent.
    const bool faultyB = bothLog ? dice_.Chance(0.5) : !contest_.SentLogFor(a, band);
    SimulatedQso& faulty = faultyB ? sideB : sideA;
    SimulatedQso& other = faultyB ? sideA : sideB;
    switch (DrawFault()) {
      case Fault::kBustedCall:
        faulty.fault = Fault::kBustedCall;
        faulty.loggedCall = BustedCall(faulty.worked);
        break;
      case Fault::kBustedLocator:
        faulty.fault = Fault::kBustedLocator;
        if (vhf) {
          faulty.copiedSubsquare = MiscopiedSubsquare(faulty.copiedSubsquare, dice_);
        } else {
          faulty.copiedSquare = Miscopied(faulty.copiedSquare, dice_);
        }
        break;
      case Fault::kLeftOut:
        if (bothLog) {
          // The faulty side is the one left out; the other finds its QSO missing over there.
          faulty.fault = Fault::kLeftOut;
          other.fault = Fault::kOtherMissing;
        }
        break;
      case Fault::kDuplicate: {
        // A VHF repeat stays inside the period: none for a QSO of its last minutes.
        const std::int64_t longest =
            vhf ? std::min(kLongestDuplicateGapMinutes, (End() - inside - faulty.time) / kMinute)
                : kLongestDuplicateGapMinutes;
        if (longest < 1) {
          break;
        }
        SimulatedQso repeat = faulty;
        repeat.time += dice_.Between(1, longest) * kMinute;
        repeat.fault = Fault::kDuplicate;
        repeat.markedDuplicate = vhf && dice_.Chance(Settings().markedDuplicates);
        contest_.logs[faultyB ? b : a].push_back(repeat);
        break;
      }
      case Fault::kBustedSerial:
        faulty.fault = Fault::kBustedSerial;  // the serial is copied once it is numbered
        break;
      case Fault::kBustedReport:
        faulty.fault = Fault::kBustedReport;
        faulty.receivedReport = MiscopiedReport(faulty.receivedReport, dice_);
        break;
      case Fault::kOutOfPeriod:
        MoveOutOfPeriod(moment, sideA, sideB);
        break;
      default:
        break;
    }
    // A VHF contest keeps what is left out, and what no log sent holds, for numbering serials.
    if (vhf || sideA.fault != Fault::kLeftOut) {
      contest_.logs[a].push_back(sideA);
    }
    if (vhf || (bothLog && sideB.fault != Fault::kLeftOut)) {
      contest_.logs[b].push_back(sideB);
    }
  }

  SimulatedQso Entry(std::uint32_t logger, std::uint32_t worked, std::uint8_t band,
                     std::uint8_t mode, std::int64_t moment, std::uint32_t qso) {
    const std::int64_t seen = moment +
                              dice_.Between(-kLoggingJitterSeconds, kLoggingJitterSeconds) +
                              contest_.stations[logger].clockOffset;
    SimulatedQso entry{};
    entry.time = MinutesDown(seen) * kMinute;
    entry.worked = worked;
    entry.loggedCall = worked;
    entry.qso = qso;
    entry.receivedReport = SentReport(mode);
    entry.copiedSquare = contest_.stations[worked].square;
    entry.copiedSubsquare = contest_.stations[worked].subsquare;
    entry.band = band;
    entry.mode = mode;
    entry.fault = Fault::kNone;
    return entry;
  }

  // Moves both entries by whole minutes to before the period or after it.
  void MoveOutOfPeriod(std::int64_t moment, SimulatedQso& sideA, SimulatedQso& sideB) {
    const std::int64_t outside = dice_.Between(kLeastMinutesOutside, kMostMinutesOutside) * kMinute;
    const std::int64_t shift = dice_.Chance(0.5) ? MinutesDown(Start() - outside - moment)
                                                 : MinutesUp(End() + outside - moment);
    for (SimulatedQso* side : {&sideA, &sideB}) {
      side->time += shift * kMinute;
      side->fault = Fault::kOutOfPeriod;
    }
  }

  // A near call of the station's that is nobody's, entered once among the busted calls.
  std::uint32_t BustedCall(std::uint32_t station) {
    const std::string& call = contest_.stations[station].call;
    std::string busted;
    do {
      busted = Slip(call, dice_);
    } while (busted == call || calls_.count(busted) != 0);
    const auto [entry, added] = bustedIds_.try_emplace(
        busted, static_cast<std::uint32_t>(contest_.stations.size() + contest_.bustedCalls.size()));
    if (added) {
      contest_.bustedCalls.push_back(busted);
    }
    return entry->second;
  }

  // Each station numbers its QSOs of each band from 1 in the order of its log, those it leaves
  // out or sends no log of too; each entry then copies the serial the other station sent.
  void NumberSerials() {
    // Per QSO, the serial each side sent: the side of the station with the lower number first.
    std::vector<std::uint32_t> sent(2 * static_cast<std::size_t>(qsos_));
    const auto side = [](std::uint32_t qso, std::uint32_t sender, std::uint32_t receiver) {
      return 2 * static_cast<std::size_t>(qso) + (sender > receiver);
    };
    for (std::uint32_t station = 0; station < contest_.logs.size(); ++station) {
      std::uint32_t last[std::size(kVhfBands)] = {};
      for (SimulatedQso& entry : contest_.logs[station]) {
        entry.sentSerial = ++last[entry.band];
        if (entry.fault != Fault::kDuplicate) {
          sent[side(entry.qso, station, entry.worked)] = entry.sentSerial;
        }
      }
    }
    for (std::uint32_t station = 0; station < contest_.logs.size(); ++station) {
      for (SimulatedQso& entry : contest_.logs[station]) {
        entry.receivedSerial = sent[side(entry.qso, entry.worked, station)];
        if (entry.fault == Fault::kBustedSerial) {
          entry.receivedSerial = MiscopiedSerial(entry.receivedSerial, dice_);
        }
      }
    }
  }

  // The entries of the logs sent: of the stations that send logs, the bands they send, less what
  // they left out. A station sends a log for a band where it holds an entry.
  void KeepTheLogsSent() {
    contest_.logs.resize(Settings().logs);
    for (std::size_t log = 0; log < contest_.logs.size(); ++log) {
      SimulatedStation& station = contest_.stations[log];
      std::vector<SimulatedQso>& entries = contest_.logs[log];
      entries.erase(std::remove_if(entries.begin(), entries.end(),
                                   [&](const SimulatedQso& entry) {
                                     return !OnBand(station.logBands, entry.band) ||
                                            entry.fault == Fault::kLeftOut;
                                   }),
                    entries.end());
      station.logBands = 0;
      for (const SimulatedQso& entry : entries) {
        station.logBands |= static_cast<std::uint8_t>(1u << entry.band);
      }
    }
  }

  // Seconds a clock is off: whole minutes, from 3 to the largest offset, ahead or behind.
  std::int64_t DrawClockOffset() {
    const std::int64_t minutes = dice_.Between(3, std::max(3, Settings().largestOffsetMinutes));
    return (dice_.Chance(0.5) ? minutes : -minutes) * kMinute;
  }

  // Clocks off by whole minutes, among the stations whose logs can show it.
  void SetClockOffsets() {
    for (std::size_t log = 0; log < contest_.logs.size(); ++log) {
      if (!ShowsItsClock(log) || !dice_.Chance(Settings().clockOffsets)) {
        continue;
      }
      const std::int64_t offset = DrawClockOffset();
      contest_.stations[log].clockOffset = offset;
      for (SimulatedQso& entry : contest_.logs[log]) {
        entry.time += offset;
      }
    }
  }

  bool ShowsItsClock(std::size_t log) const {
    std::size_t shown[std::size(kVhfBands)] = {};
    for (const SimulatedQso& entry : contest_.logs[log]) {
      shown[entry.band] +=
          entry.fault == Fault::kNone && contest_.SentLogFor(entry.worked, entry.band);
    }
    for (std::uint8_t band = 0; band < std::size(kVhfBands); ++band) {
      if (OnBand(contest_.stations[log].logBands, band) && shown[band] < kLeastQsosShowingAClock) {
        return false;
      }
    }
    return contest_.stations[log].logBands != 0;
  }

  Dice dice_;
  SimulatedContest contest_;
  std::unordered_set<std::string> calls_;
  std::unordered_map<std::string, std::uint32_t> bustedIds_;
  std::uint32_t qsos_ = 0;  // made so far
};
}  // namespace

const std::string& SimulatedContest::LoggedCall(const SimulatedQso& qso) const {
  return qso.loggedCall < stations.size() ? stations[qso.loggedCall].call
                                          : bustedCalls[qso.loggedCall - stations.size()];
}

bool SimulatedContest::SentLogFor(std::uint32_t station, std::uint8_t band) const {
  return settings.vhf ? OnBand(stations[station].logBands, band) : stations[station].sendsLog;
}

std::string LocatorText(std::uint16_t square, std::uint16_t subsquare) {
  return SquareText(square) + static_cast<char>('A' + subsquare / kSubsquareLetters) +
         static_cast<char>('A' + subsquare % kSubsquareLetters);
}

std::string StationLocator(const SimulatedStation& station) {
  return LocatorText(station.square, station.subsquare);
}

std::uint16_t SentReport(std::uint8_t mode) {
  return mode == 0 ? 599 : 59;
}

SimulatedContest SimulateContest(const SimulationSettings& settings) {
  return Simulator(settings).Run();
}
