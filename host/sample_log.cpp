#include "host/sample_log.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "scoring/text_rules.h"

namespace {

struct Country {
  const char* prefix;
  const char* dxcc;
  const char* continent;
  std::array<const char*, 3> squares;  // where its stations in the sample live
};

constexpr Country kCountries[] = {
    {"DL", "DL", "EU", {"JO31", "JO62", "JN58"}},   {"G", "G", "EU", {"IO91", "IO83", "IO92"}},
    {"F", "F", "EU", {"JN18", "IN88", "JN23"}},     {"I", "I", "EU", {"JN45", "JN61", "JM78"}},
    {"SP", "SP", "EU", {"KO02", "JO90", "KN09"}},   {"OK", "OK", "EU", {"JO70", "JN79", "JN89"}},
    {"HA", "HA", "EU", {"JN97", "KN08", "JN86"}},   {"UA", "UA", "EU", {"KO85", "KO91", "LO07"}},
    {"UR", "UR", "EU", {"KO50", "KN29", "KN66"}},   {"EA", "EA", "EU", {"IN80", "JN11", "IM87"}},
    {"CT", "CT", "EU", {"IM58", "IN51", "IM57"}},   {"PA", "PA", "EU", {"JO22", "JO32", "JO21"}},
    {"SM", "SM", "EU", {"JO89", "JP80", "JO99"}},   {"OH", "OH", "EU", {"KP20", "KP11", "KP32"}},
    {"LZ", "LZ", "EU", {"KN22", "KN32", "KN12"}},   {"YU", "YU", "EU", {"KN04", "JN95", "KN03"}},
    {"SV", "SV", "EU", {"KM18", "KM17", "KM25"}},   {"9A", "9A", "EU", {"JN75", "JN85", "JN74"}},
    {"OE", "OE", "EU", {"JN78", "JN88", "JN67"}},   {"HB9", "HB", "EU", {"JN47", "JN36", "JN46"}},
    {"4X", "4X", "AS", {"KM72", "KM71", "KM73"}},   {"JA", "JA", "AS", {"PM95", "PM85", "QM06"}},
    {"UA9", "UA9", "AS", {"MO06", "LO88", "NO14"}}, {"W", "K", "NA", {"FN31", "EM73", "DM79"}},
    {"K", "K", "NA", {"FN42", "EL96", "CN87"}},     {"VE", "VE", "NA", {"FN25", "EN82", "DO21"}},
    {"PY", "PY", "SA", {"GG66", "GG87", "GH64"}},   {"LU", "LU", "SA", {"GF05", "FF57", "GF11"}},
    {"ZS", "ZS", "AF", {"KG33", "JF96", "KF59"}},   {"VK", "VK", "OC", {"QF56", "QF22", "PF95"}},
    {"ZL", "ZL", "OC", {"RF70", "RE78", "RF80"}},
};

// Bands repeated by how busy they are; "50" and "144" are outside the nine the map knows.
constexpr const char* kBands[] = {"14", "14", "14", "14", "7",   "7",   "7",
                                  "21", "21", "21", "28", "28",  "3.5", "3.5",
                                  "10", "10", "18", "24", "1.8", "50",  "144"};

constexpr const char* kModes[] = {"CW",  "CW",  "CW",  "CW",  "CW",  "CW",  "CW",
                                  "SSB", "SSB", "SSB", "SSB", "SSB", "FT8", "FT8",
                                  "FT8", "FT8", "FT8", "FT4", "FT4", "RTTY"};

// The demonstration's log; a log of another size keeps its proportions.
constexpr int kStations = 150;
constexpr int kQSOs = 320;
constexpr int kRepeatedQSOs = 6;  // logged twice on purpose, on top of the chance duplicates
constexpr std::uint32_t kSeed = 20240615;

struct Station {
  std::string call;
  std::string mainPrefix;
  std::string square;
  const Country* country;
};

class Draw {
 public:
  explicit Draw(std::uint32_t seed) : engine_(seed) {}
  // mt19937's output is fixed by the standard; the library's distributions are not.
  std::uint32_t Below(std::uint32_t n) { return engine_() % n; }
  template <typename T, std::size_t N>
  const T& From(const T (&table)[N]) {
    return table[Below(N)];
  }
  char Letter() { return static_cast<char>('A' + Below(26)); }
  bool Percent(std::uint32_t p) { return Below(100) < p; }

 private:
  std::mt19937 engine_;
};

Station MakeStation(Draw& draw) {
  const Country& country = draw.From(kCountries);
  // A prefix that ends in a digit (HB9, UA9) already names its call area.
  const std::string prefix = country.prefix;
  const bool hasArea = prefix.back() >= '0' && prefix.back() <= '9';
  const std::string mainPrefix = hasArea ? prefix : prefix + std::to_string(draw.Below(10));
  std::string call = mainPrefix;
  const int suffixLength = 2 + static_cast<int>(draw.Below(2));
  for (int i = 0; i < suffixLength; ++i) {
    call += draw.Letter();
  }
  if (draw.Percent(5)) {
    call += "/P";
  }
  return {call, mainPrefix, country.squares[draw.Below(3)], &country};
}

std::string SignalReport(Draw& draw, const std::string& mode) {
  if (mode == "SSB") {
    return draw.Percent(70) ? "59" : "57";
  }
  if (mode == "FT8" || mode == "FT4") {
    const int db = static_cast<int>(draw.Below(30)) - 20;
    const std::string digits = std::to_string(db < 0 ? -db : db);
    return (db < 0 ? "-" : "+") + std::string(digits.size() < 2 ? "0" : "") + digits;
  }
  return draw.Percent(80) ? "599" : "579";
}

std::string Lower(std::string text) {
  for (char& c : text) {
    c = LowerAscii(c);
  }
  return text;
}

// The exchange as operators type it: mostly report and square, sometimes a six-character locator
// in lower case, sometimes the square alone, sometimes no square at all.
std::string Exchange(Draw& draw, const Station& station, const std::string& mode) {
  const std::string report = SignalReport(draw, mode);
  const std::uint32_t form = draw.Below(100);
  if (form < 60) {
    return report + " " + station.square;
  }
  if (form < 75) {
    std::string locator = station.square;
    locator += static_cast<char>('A' + draw.Below(24));
    locator += static_cast<char>('A' + draw.Below(24));
    return report + " " + Lower(locator);
  }
  if (form < 85) {
    return station.square;
  }
  return report;
}

LogRow MakeQSO(Draw& draw, const Station& station) {
  const std::string mode = draw.From(kModes);
  LogRow row;
  row.CallSign = station.call;
  row.DigiBand = draw.From(kBands);
  row.QSOMode = mode;
  row.QSOReportRecived = Exchange(draw, station, mode);
  row.DXCCPrefix = station.country->dxcc;
  row.MainPrefix = station.mainPrefix;
  row.Continent = draw.Percent(5) ? Lower(station.country->continent) : station.country->continent;
  return row;
}

}  // namespace

std::vector<LogRow> SampleLog() {
  return SampleLog(kQSOs + kRepeatedQSOs);
}

std::vector<LogRow> SampleLog(int rows) {
  if (rows <= 0) {
    return {};
  }
  const int repeated = rows * kRepeatedQSOs / (kQSOs + kRepeatedQSOs);
  const int qsos = rows - repeated;
  const int stationCount = std::max(1, qsos * kStations / kQSOs);
  Draw draw(kSeed);
  std::vector<Station> stations;
  for (int i = 0; i < stationCount; ++i) {
    stations.push_back(MakeStation(draw));
  }
  std::vector<LogRow> log;
  log.reserve(static_cast<std::size_t>(rows));
  for (int i = 0; i < qsos; ++i) {
    log.push_back(MakeQSO(draw, stations[draw.Below(stationCount)]));
  }
  for (int i = 0; i < repeated; ++i) {
    log.push_back(log[draw.Below(qsos)]);
  }
  return log;
}

std::vector<LogRow> TinyLog() {
  return {
      {"DL1AB", "14", "CW", "599 JO31", "DL", "DL1", "EU"},
      {"G4XYZ", "14", "CW", "599 IO91", "G", "G4", "EU"},
      {"DL1AB", "14", "CW", "599 JO31", "DL", "DL1", "EU"},
      {"DL1AB", "7", "SSB", "59 jo31ab", "DL", "DL1", "eu"},
      {"SP5ABC", "14", "FT8", "-12", "SP", "SP5", "EU"},
      {"UA3XYZ", "50", "CW", "599 KO85", "UA", "UA3", "EU"},
      {"OK1DEF", "21", "RTTY", "599 JN79", "OK", "OK1", "EU"},
      {"I2ABC", "14", "SSB", "59 JN45", "I", "I2", "EU"},
      {"F5GHI", "14", "FT4", "-05 JN18", "F", "F5", "EU"},
  };
}
