// The logs of a contest as the check holds them: every QSO in one compact record whose texts are
// ids in shared tables, so that ten million QSOs fit in memory and compare as integers.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "check/engine_scoring.h"
#include "check/text_table.h"
#include "logfiles/contest_log.h"

inline constexpr std::int64_t kNoTime = std::numeric_limits<std::int64_t>::min();

struct CheckQso {
  std::uint32_t log;         // the index of its log
  std::uint32_t ownCall;     // call id: the logging station, as it signed this QSO
  std::uint32_t call;        // call id: the station worked, as logged
  std::uint32_t exchange;    // text id: the exchange received
  std::uint32_t ownLocator;  // text id: the locator sent (the QSO's own, else the log's)
  std::uint32_t frequency;   // text id: as the log writes it
  std::uint32_t band;        // text id
  std::uint32_t mode;        // text id
  // ids in reportsAndSerials: the report and serial number sent and received, as logged (empty
  // where not)
  std::uint32_t sentReport;
  std::uint32_t sentSerial;
  std::uint32_t receivedReport;
  std::uint32_t receivedSerial;
  std::int32_t claimed;  // the engine's answer when it was recorded: -1 for a duplicate
  bool markedDuplicate;  // the log marks it a duplicate (EDI's D)
  std::int64_t time;     // seconds since 1970 UTC, or kNoTime
  std::int64_t line;     // where it stands in its file
};
// Ten million QSOs are held at once: each byte more is 10 MB more.
static_assert(sizeof(CheckQso) == 72);

// A duplicate by the engine (the same call, band and mode logged before) or by the log's own mark:
// the engine's to judge, never matched.
inline bool IsDuplicate(const CheckQso& qso) {
  return qso.claimed < 0 || qso.markedDuplicate;
}

struct CheckLog {
  std::string file;
  std::string format;
  std::string stationCall;
  std::string ownLocator;  // the log's first: what its QSOs without one were sent from
  std::string section;     // the entry's section or category, as the log's header gives it
  // The one band the log covers (EDI PBand), else the band of its first QSO; empty without QSOs.
  std::string band;
  std::vector<LogWarning> warnings;
  std::string error;      // why it could not be read or scored; empty when it could
  std::size_t first = 0;  // its QSOs are qsos[first, first + count)
  std::size_t count = 0;
  ScoreTally claimed;
};

class ContestLogs {
 public:
  explicit ContestLogs(std::size_t logCount);

  // Enters log `index` with its QSOs and the engine's answer for each (RecordAnswer), or with no
  // answers when it could not be scored. Threads may enter different logs at the same time.
  void Add(std::size_t index, CheckLog log, const QsoList& qsos,
           const std::vector<std::int32_t>& answers);

  // Keeps log `index` listed with `error` but without its QSOs: it takes no part in the check.
  // Before Seal.
  void SetAside(std::size_t index, std::string error);

  // Gathers the QSOs of all logs into `qsos`, in the order of the logs. Once, after the last Add.
  void Seal();

  TextTable calls;
  TextTable texts;  // exchanges, locators, frequencies, bands, modes
  // Apart from the other texts: a contest logs few of them, and the matching reads each as numbers
  // once, in a table as small as they are few.
  TextTable reportsAndSerials;
  std::vector<CheckLog> logs;
  std::vector<CheckQso> qsos;

 private:
  std::vector<std::vector<CheckQso>> entered_;
};
