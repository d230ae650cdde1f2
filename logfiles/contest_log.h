// A contest log as read from a file: its QSOs in the plug-in's terms, the station and its own
// locators, and the warnings about what could not be read.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "logfiles/qso_list.h"
#include "logfiles/square_set.h"

struct LogWarning {
  std::int64_t line;  // 0 when it concerns the whole log
  std::string message;
};

struct ContestLog {
  std::string format;  // "Cabrillo", "ADIF", "ADX", "EDI" or "SQLite"
  std::string stationCall;
  std::string contest;  // the contest the whole log names (Cabrillo CONTEST, EDI TName), if any
  // The entry's category or section as its header gives it (EDI PSect, Cabrillo
  // CATEGORY-OPERATOR), trimmed; a check log names itself there.
  std::string section;
  // For a log that covers one band only (an EDI log), that band's text; empty for all bands.
  std::string logBand;
  // The own locator the log gives for every QSO that names none of its own (Cabrillo
  // GRID-LOCATOR), if any.
  std::string headerLocator;
  // The own locators met, in order, one per square, the header's first.
  std::vector<std::string> ownLocators;
  QsoList qsos;
  std::vector<LogWarning> warnings;
  // The text breaks off before the log ends (an ADX document not read to its end, an ADIF record
  // without <EOR> at the end, a Cabrillo log without END-OF-LOG:): QSOs may be lost. A warning
  // says where.
  bool cutShort = false;
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
