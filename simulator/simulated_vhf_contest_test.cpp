// A simulated VHF contest: its EDI logs, read back as text and by the log library, show every
// injected fault as its truth says, the same seed gives the same contest, and the check by the
// IARU rules finds what was injected.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <map>
#include <set>
#include <sstream>

#include "check/check_command.h"
#include "check/check_findings.h"
#include "check/contest_check.h"
#include "check/finding_scores.h"
#include "check/log_reading.h"
#include "check/qso_class.h"
#include "logfiles/log_reader.h"
#include "logfiles/test_support.h"
#include "simulator/contest_simulator.h"
#include "simulator/simulated_files.h"
#include "simulator/simulated_rules.h"

namespace {
// Enough of each kind that the test sees every shape of it.
constexpr std::size_t kLeastOfAKind = 10;
// What the check of a simulated VHF contest must reach, class by class, and enough of each class
// that a few misses show in the percentages.
constexpr double kLeastAgreement = 0.995;
constexpr std::size_t kLeastExpected = 20;

SimulationSettings VhfContest(std::uint64_t seed) {
  SimulationSettings settings;
  settings.vhf = true;
  settings.logs = 300;
  settings.qsosPerLog = 120;
  settings.silentShare = 0.2;
  settings.seed = seed;
  settings.bustedCalls = 0.02;
  settings.bustedLocators = 0.02;
  settings.missing = 0.02;
  settings.duplicates = 0.02;
  settings.bustedSerials = 0.02;
  settings.bustedReports = 0.02;
  settings.outOfPeriod = 0.01;
  settings.clockOffsets = 0.2;
  settings.largestOffsetMinutes = 20;
  settings.checkLogs = 0.05;
  settings.oneBandLogs = 0.3;
  return settings;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;) {
    parts.push_back(text.substr(start, end - start));
    start = end + separator.size();
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::int64_t UtcOf(const std::string& date, const std::string& time) {
  std::tm utc{};
  utc.tm_year = 100 + std::stoi(date.substr(0, 2));
  utc.tm_mon = std::stoi(date.substr(2, 2)) - 1;
  utc.tm_mday = std::stoi(date.substr(4, 2));
  utc.tm_hour = std::stoi(time.substr(0, 2));
  utc.tm_min = std::stoi(time.substr(2, 2));
  return timegm(&utc);
}

enum Field {
  kDate,
  kTime,
  kCall,
  kMode,
  kSentRst,
  kSentNr,
  kRcvdRst,
  kRcvdNr,
  kWwl = 9,
  kDupe = 14
};

// A record as written, with its file's header and what the truth says of it.
struct Record {
  std::string file;
  std::int64_t line;
  std::vector<std::string> fields;
  const std::map<std::string, std::string>* header;
  std::string kind;  // "confirmed" where the truth has no row
  std::int64_t clockOffset;
  std::int64_t Time() const { return UtcOf(fields[kDate], fields[kTime]); }
};

// Every file of the contest as text, its records paired with the simulator's entries.
class WrittenContest {
 public:
  explicit WrittenContest(const SimulatedContest& simulated) : contest(simulated) {
    std::size_t rows = 0;
    for (const Finding& row : SimulatedTruth(contest)) {
      if (row.kind == kClockOffsetKind) {
        offsets[row.file] = std::stoll(row.detail);
      } else {
        kinds[{row.file, row.line}] = row.kind;
        ++rows;
      }
    }
    for (std::size_t log = 0; log < contest.logs.size(); ++log) {
      for (const SimulatedFile& file : SimulatedLogFiles(contest, log)) {
        Read(log, file);
      }
    }
    EXPECT_EQ(rowsOfRecords_, rows);  // every row of the truth names a record
  }

  const SimulatedContest& contest;
  std::map<std::pair<std::string, std::int64_t>, std::string> kinds;  // by file and line
  std::map<std::string, std::int64_t> offsets;                        // by file
  std::map<std::string, std::map<std::string, std::string>> headers;  // by file
  std::vector<Record> records;
  // Per record, the simulator's entry; per station and QSO, the record of its first entry.
  std::vector<const SimulatedQso*> entries;
  std::map<std::pair<std::size_t, std::uint32_t>, std::size_t> byQso;
  // Per band and call logged, the stations whose log of the band has it; the logs sent, by
  // station and band.
  std::map<std::pair<std::string, std::string>, std::set<std::string>> stationsLoggingCall;
  std::set<std::pair<std::string, std::string>> logsSent;

 private:
  std::size_t rowsOfRecords_ = 0;

  void Read(std::size_t log, const SimulatedFile& file) {
    SCOPED_TRACE(file.name);
    const ContestLog read = ReadLogText(file.text);
    EXPECT_EQ(read.format, "EDI");
    EXPECT_EQ(read.stationCall, contest.stations[log].call);
    EXPECT_TRUE(read.warnings.empty());
    const std::vector<std::string> lines = Split(file.text, "\r\n");
    auto& header = headers[file.name];
    std::size_t line = 0;
    for (; lines[line].rfind("[QSORecords;", 0) != 0; ++line) {
      const std::size_t equals = lines[line].find('=');
      if (equals != std::string::npos) {
        header[lines[line].substr(0, equals)] = lines[line].substr(equals + 1);
      }
    }
    logsSent.insert({header["PCall"], header["PBand"]});
    std::size_t entry = 0;
    std::size_t readQso = 0;
    for (++line; lines[line].rfind("[END", 0) != 0; ++line, ++entry) {
      while (kVhfBands[contest.logs[log][entry].band].pband != header["PBand"]) {
        ++entry;
      }
      const SimulatedQso& qso = contest.logs[log][entry];
      const std::int64_t number = static_cast<std::int64_t>(line) + 1;
      const auto kind = kinds.find({file.name, number});
      rowsOfRecords_ += kind != kinds.end();
      Record record{file.name,
                    number,
                    Split(lines[line], ";"),
                    &header,
                    kind == kinds.end() ? "confirmed" : kind->second,
                    offsets.count(file.name) ? offsets[file.name] : 0};
      EXPECT_EQ(record.fields.size(), 15u);
      ASSERT_LT(readQso, read.qsos.size());
      EXPECT_EQ(read.qsos.Line(readQso++), number);
      stationsLoggingCall[{header["PBand"], record.fields[kCall]}].insert(header["PCall"]);
      if (qso.fault != Fault::kDuplicate) {
        byQso[{log, qso.qso}] = records.size();
      }
      records.push_back(std::move(record));
      entries.push_back(&qso);
    }
    EXPECT_EQ(readQso, read.qsos.size());
  }
};

// What sets a record apart from its other side's record, judged from the texts alone.
std::string Difference(const Record& record, const Record& other) {
  const auto& sender = *other.header;
  std::string differs;
  if (record.fields[kCall] != sender.at("PCall")) {
    differs += " call";
  }
  if (record.fields[kWwl] != sender.at("PWWLo")) {
    EXPECT_EQ(record.fields[kWwl].substr(0, 4), sender.at("PWWLo").substr(0, 4));
    differs += " sub-square";
  }
  if (std::stoul(record.fields[kRcvdNr]) != std::stoul(other.fields[kSentNr])) {
    differs += " serial";
  }
  if (record.fields[kRcvdRst] != other.fields[kSentRst]) {
    differs += " report";
  }
  return differs;
}

bool OutOfPeriod(const Record& record, const SimulationSettings& settings) {
  const std::int64_t time = record.Time() - record.clockOffset;
  return time < settings.start || time >= settings.start + settings.hours * 3600;
}
}  // namespace

TEST(SimulatedVhfContest, TheSameSeedGivesTheSameContest) {
  const auto written = [](std::uint64_t seed) {
    const SimulatedContest contest = SimulateContest(VhfContest(seed));
    std::string all = FindingsCsv(SimulatedTruth(contest));
    for (std::size_t log = 0; log < contest.logs.size(); ++log) {
      for (const SimulatedFile& file : SimulatedLogFiles(contest, log)) {
        all += file.name + "\n" + file.text;
      }
    }
    return all;
  };
  const std::string first = written(4);
  EXPECT_EQ(written(4), first);
  EXPECT_NE(written(5), first);
}

// Each record is compared with its other side's, where that log was sent: what differs is the
// one fault the truth names (call, sub-square, serial or report), or nothing for a confirmed QSO.
// A QSO the other log lacks is not in log; one with a station that sent no log of the band is
// unique (the band's other logs lack the call) or not checkable; one made outside the period is
// that on both sides; a duplicate repeats a call, marked D or not.
TEST(SimulatedVhfContest, EveryFaultIsWrittenAsItsTruthSays) {
  const SimulationSettings settings = VhfContest(8);
  const SimulatedContest contest = SimulateContest(settings);
  const WrittenContest written(contest);
  std::map<std::string, std::size_t> seen;
  std::map<std::string, std::set<std::string>> sectionsOfStation;
  std::map<std::string, std::string> lastSerial;
  std::map<std::string, std::set<std::string>> callsBefore;
  for (std::size_t i = 0; i < written.records.size(); ++i) {
    const Record& record = written.records[i];
    const SimulatedQso& qso = *written.entries[i];
    SCOPED_TRACE(record.file + ":" + std::to_string(record.line) + " " + record.kind);
    const auto& header = *record.header;
    sectionsOfStation[header.at("PCall")].insert(header.at("PSect"));
    EXPECT_GT(record.fields[kSentNr], lastSerial[record.file]);  // increasing, as written
    lastSerial[record.file] = record.fields[kSentNr];
    EXPECT_EQ(record.fields[kSentRst], record.fields[kMode] == "2" ? "599" : "59");
    EXPECT_EQ(record.fields[kDupe] == "D", record.kind == "duplicate" && qso.markedDuplicate);
    EXPECT_EQ(OutOfPeriod(record, settings), record.kind == "out-of-period");
    const std::string stationWorked = contest.stations[qso.worked].call;
    const auto other = written.byQso.find({qso.worked, qso.qso});
    const bool repeated = !callsBefore[record.file].insert(record.fields[kCall]).second;
    if (record.kind == "duplicate") {
      EXPECT_TRUE(repeated);
      ++seen[record.fields[kDupe] == "D" ? "duplicate marked D" : "duplicate"];
    } else if (other != written.byQso.end()) {
      const Record& otherSide = written.records[other->second];
      const std::string differs = Difference(record, otherSide);
      const std::map<std::string, std::string> kindOf = {{"", "confirmed"},
                                                         {" call", "busted-call"},
                                                         {" sub-square", "busted-locator"},
                                                         {" serial", "busted-exchange"},
                                                         {" report", "busted-exchange"}};
      if (record.kind == "out-of-period") {
        EXPECT_EQ(differs, "");
      } else {
        EXPECT_EQ(record.kind, kindOf.at(differs));
      }
      EXPECT_EQ(record.kind == "out-of-period", otherSide.kind == "out-of-period");
      if (record.kind != "out-of-period") {
        EXPECT_LE(std::llabs(record.Time() - record.clockOffset -
                             (otherSide.Time() - otherSide.clockOffset)),
                  60);
      }
      ++seen[record.kind + differs];
    } else if (written.logsSent.count({stationWorked, header.at("PBand")})) {
      EXPECT_EQ(record.kind, "not-in-log");
      for (const Record& otherSide : written.records) {
        if (otherSide.header->at("PCall") == stationWorked &&
            otherSide.header->at("PBand") == header.at("PBand")) {
          EXPECT_NE(otherSide.fields[kCall], header.at("PCall")) << otherSide.line;
        }
      }
      ++seen[record.kind];
    } else if (record.kind != "out-of-period") {
      const std::size_t logging =
          written.stationsLoggingCall.at({header.at("PBand"), record.fields[kCall]}).size();
      EXPECT_EQ(record.kind, logging == 1 ? "unique" : "not-checkable");
      ++seen[record.kind + (contest.stations[qso.worked].sendsLog ? " (other bands logged)" : "")];
    }
  }
  for (const auto& [station, sections] : sectionsOfStation) {
    EXPECT_EQ(sections.size(), 1u) << station;
    ++seen["station " + *sections.begin()];
  }
  for (const auto& [file, offset] : written.offsets) {
    EXPECT_GE(std::llabs(offset), 3 * 60) << file;
    EXPECT_LE(std::llabs(offset), 20 * 60) << file;
    ++seen["clock offset"];
  }
  std::ostringstream counts;
  for (const auto& [what, count] : seen) {
    counts << what << ": " << count << "\n";
  }
  SCOPED_TRACE(counts.str());
  for (const char* what :
       {"confirmed", "busted-call call", "busted-locator sub-square", "busted-exchange serial",
        "busted-exchange report", "not-in-log", "unique", "not-checkable",
        "not-checkable (other bands logged)", "out-of-period", "duplicate", "duplicate marked D",
        "station SINGLE", "station CHECK", "clock offset"}) {
    EXPECT_GE(seen[what], kLeastOfAKind) << what;
  }
}

// The check of a simulated VHF contest, its logs read from a folder as marovinta-check reads them,
// by the IARU Region 1 rules (their period and bands the simulation's), finds every class with a
// precision and a recall of at least 99.5%.
TEST(SimulatedVhfContest, TheCheckByTheIaruRulesFindsTheInjectedFaults) {
  const SimulationSettings settings = VhfContest(14);
  const SimulatedContest contest = SimulateContest(settings);
  TempDir dir;
  WriteSimulatedContest(contest, dir.Path("contest"));
  const CheckRules rules = ParseRules(WithSimulatedPeriod(
      FileText(std::string(MAROVINTA_RULES_FOLDER) + "/iaru-r1-vhf.rules"), settings));
  ProgressBar quiet(false, nullptr);
  const ContestLogs logs =
      ReadContestLogs(LogFilesOf({dir.Path("contest/logs")}), std::nullopt, rules, 2, quiet);
  const std::vector<KindScore> scores = ScoreFindings(
      SimulatedTruth(contest), CheckFindings(logs, CheckContest(logs, rules, 2, quiet)), rules);
  std::cout << KindScoreTable(scores);
  for (const KindScore& score : scores) {
    SCOPED_TRACE(score.kind);
    EXPECT_GE(score.expected, kLeastExpected);
    EXPECT_GE(score.Precision(), kLeastAgreement);
    EXPECT_GE(score.Recall(), kLeastAgreement);
  }
}
