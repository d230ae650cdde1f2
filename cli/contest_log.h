// A contest log as read from a file: its QSOs in the plug-in's terms, the station and its own
// locators, and the warnings about what could not be read.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/square_set.h"

// One QSO: what the plug-in's record receives of it, and what the log says of it besides.
struct LogQso {
  std::string callSign;
  std::string band;  // band text: "1.8" ... "28", or another band under its own text ("50")
  std::string mode;
  std::string exchange;   // the received exchange: the worked station's grid as logged
  std::int64_t line = 0;  // where the QSO stands in the file (the row id for an SQLite log)
  // As the log gives them with this QSO, empty (or nothing) where it does not: the station's own
  // call and locator (upper-cased), the frequency as written (kHz or a band designator in
  // Cabrillo, MHz in ADIF), the time in seconds since 1970-01-01 UTC, and the contest (ADIF
  // CONTEST_ID).
  std::string ownCall;
  std::string ownLocator;
  std::string frequency;
  std::optional<std::int64_t> utcSeconds;
  std::string contestId;
};

struct LogWarning {
  std::int64_t line;  // 0 when it concerns the whole log
  std::string message;
};

struct ContestLog {
  std::string format;  // "Cabrillo", "ADIF", "ADX", "EDI" or "SQLite"
  std::string stationCall;
  std::string contest;  // the contest the whole log names (Cabrillo CONTEST, EDI TName), if any
  // The own locator the log gives for every QSO that names none of its own (Cabrillo
  // GRID-LOCATOR), if any.
  std::string headerLocator;
  // The own locators met, in order, one per square, the header's first.
  std::vector<std::string> ownLocators;
  std::vector<LogQso> qsos;
  std::vector<LogWarning> warnings;
};

// A file that cannot be scored at all: not a log, no own locator, an unreadable database.
class LogError : public std::runtime_error {
 public:
  explicit LogError(const std::string& message, std::int64_t line = 0)
      : std::runtime_error(message), line_(line) {}
  // The line (or row) the error concerns, 0 for the whole file.
  std::int64_t Line() const { return line_; }

 private:
  std::int64_t line_;
};

// Collects a log's own locators, trimmed and upper-cased, one per square, in the order met; texts
// that begin with no square are passed over. Each costs the same however many came before.
class OwnLocatorCollector {
 public:
  void Add(std::string_view text);
  std::vector<std::string> Take() { return std::move(locators_); }

 private:
  SquareSet squares_;
  std::vector<std::string> locators_;
};
