// A contest log as read from a file: its QSOs in the plug-in's terms, the station and its own
// locators, and the warnings about what could not be read.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// One QSO: what the plug-in's record receives of it, and what the log says of it besides.
struct LogQso {
  std::string callSign;
  std::string band;  // band text: "1.8" ... "28", or another band under its own text ("50")
  std::string mode;
  std::string exchange;  // the received exchange: the worked station's grid
  int line = 0;          // where the QSO stands in the file (the row id for an SQLite log)
  // As the log gives them with this QSO, empty (or nothing) where it does not: the station's own
  // call and locator (upper-cased), the frequency as written (kHz or a band designator in
  // Cabrillo, MHz in ADIF), and the time in seconds since 1970-01-01 UTC.
  std::string ownCall;
  std::string ownLocator;
  std::string frequency;
  std::optional<std::int64_t> utcSeconds;
};

struct LogWarning {
  int line;  // 0 when it concerns the whole log
  std::string message;
};

struct ContestLog {
  std::string format;  // "Cabrillo", "ADIF" or "SQLite"
  std::string stationCall;
  // The own locators met, in order, one per square: the first is the one the log is scored with.
  std::vector<std::string> ownLocators;
  std::vector<LogQso> qsos;
  std::vector<LogWarning> warnings;
};

// A file that cannot be scored at all: not a log, no own locator, an unreadable database.
class LogError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Notes an own locator (trimmed, upper-cased) unless it is empty or its square is already noted.
void AddOwnLocator(std::vector<std::string>& ownLocators, std::string_view text);
