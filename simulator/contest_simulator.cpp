#include "simulator/contest_simulator.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "scoring/square_number.h"
#include "simulator/dice.h"

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
    WriteEmptyLogsAsCabrillo();
    return std::move(contest_);
  }

 private:
  const SimulationSettings& Settings() const { return contest_.settings; }

  void MakeStations() {
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
      if (station.sendsLog && dice_.Chance(Settings().clockOffsets)) {
        const std::int64_t minutes = dice_.Between(3, std::max(3, Settings().largestOffsetMinutes));
        station.clockOffset = (dice_.Chance(0.5) ? minutes : -minutes) * kMinute;
      }
      station.adif = station.sendsLog && dice_.Chance(Settings().adifShare);
      contest_.stations.push_back(std::move(station));
    }
    contest_.logs.resize(logs);
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
  // while at most half of them are taken.
  std::size_t MostQsos() const {
    const std::size_t logs = Settings().logs;
    const std::size_t silent = contest_.stations.size() - logs;
    return (logs * (logs - 1) / 2 + logs * silent) * std::size(kSimulatedBands) / 2;
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
    const std::uint64_t bands = std::size(kSimulatedBands);
    for (std::size_t made = 0; made < count;) {
      const std::uint32_t a = static_cast<std::uint32_t>(dice_.Below(Settings().logs));
      const std::uint32_t b = static_cast<std::uint32_t>(dice_.Below(stations));
      const std::uint8_t band = static_cast<std::uint8_t>(dice_.Below(bands));
      const std::uint64_t key = (std::min(a, b) * stations + std::max(a, b)) * bands + band;
      if (a == b || !worked.insert(key).second) {
        continue;
      }
      MakeQso(a, b, band);
      ++made;
    }
  }

  void MakeQso(std::uint32_t a, std::uint32_t b, std::uint8_t band) {
    const bool bothLog = contest_.stations[b].sendsLog;
    const std::int64_t start = Settings().start;
    const std::int64_t moment = dice_.Between(start, start + Settings().hours * 3600 - 1);
    const std::uint8_t mode = static_cast<std::uint8_t>(dice_.Below(2));
    SimulatedQso sideA = Entry(a, b, band, mode, moment);
    SimulatedQso sideB = Entry(b, a, band, mode, moment);
    SimulatedQso& faulty = (bothLog && dice_.Chance(0.5)) ? sideB : sideA;
    bool keepA = true;
    bool keepB = bothLog;
    const SimulationSettings& s = Settings();
    double draw = dice_.Unit();
    if ((draw -= s.bustedCalls) < 0) {
      faulty.fault = Fault::kBustedCall;
      faulty.loggedCall = BustedCall(faulty.worked);
    } else if ((draw -= s.bustedLocators) < 0) {
      faulty.fault = Fault::kBustedLocator;
      faulty.copiedSquare = Miscopied(faulty.copiedSquare, dice_);
    } else if ((draw -= s.missing) < 0) {
      if (bothLog) {
        // The faulty side is the one left out; the other finds its QSO missing over there.
        (&faulty == &sideA ? keepA : keepB) = false;
        (&faulty == &sideA ? sideB : sideA).fault = Fault::kOtherMissing;
      }
    } else if ((draw -= s.duplicates) < 0) {
      SimulatedQso repeat = faulty;
      repeat.time += dice_.Between(1, kLongestDuplicateGapMinutes) * kMinute;
      repeat.fault = Fault::kDuplicate;
      contest_.logs[&faulty == &sideA ? a : b].push_back(repeat);
    }
    if (keepA) {
      contest_.logs[a].push_back(sideA);
    }
    if (keepB) {
      contest_.logs[b].push_back(sideB);
    }
  }

  SimulatedQso Entry(std::uint32_t logger, std::uint32_t worked, std::uint8_t band,
                     std::uint8_t mode, std::int64_t moment) {
    const std::int64_t seen = moment +
                              dice_.Between(-kLoggingJitterSeconds, kLoggingJitterSeconds) +
                              contest_.stations[logger].clockOffset;
    const std::int64_t minute = (seen - ((seen % kMinute) + kMinute) % kMinute);
    return {minute, worked, worked, contest_.stations[worked].square, band, mode, Fault::kNone};
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

  Dice dice_;
  SimulatedContest contest_;
  std::unordered_set<std::string> calls_;
  std::unordered_map<std::string, std::uint32_t> bustedIds_;
};
}  // namespace

const std::string& SimulatedContest::LoggedCall(const SimulatedQso& qso) const {
  return qso.loggedCall < stations.size() ? stations[qso.loggedCall].call
                                          : bustedCalls[qso.loggedCall - stations.size()];
}

SimulatedContest SimulateContest(const SimulationSettings& settings) {
  return Simulator(settings).Run();
}
