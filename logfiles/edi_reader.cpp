#include "logfiles/edi_reader.h"

#include <vector>

#include "logfiles/band_map.h"
#include "logfiles/log_text.h"
#include "logfiles/log_time.h"
#include "logfiles/text_lines.h"

namespace {
enum class Part { kNone, kHeader, kRemarks, kRecords };

// A record up to the received WWL; the claimed points and the flags after it may be missing.
constexpr std::size_t kRecordFields = 10;
enum RecordField {
  kDate,
  kTime,
  kCall,
  kModeCode,
  kSentReport,
  kSentSerial,
  kReceivedReport,
  kReceivedSerial,
  kReceivedWwl = 9,
  kDuplicate = 14,
};

// The mode codes of the format: transmitted mode, then received mode where they differ.
constexpr const char* kModes[] = {"",   "SSB", "CW",   "SSB/CW", "CW/SSB",
                                  "AM", "FM",  "RTTY", "SSTV",   "ATV"};

std::string ModeOfCode(std::string_view code) {
  code = TrimControl(code);
  if (code.size() == 1 && code[0] >= '0' && code[0] <= '9') {
    return kModes[code[0] - '0'];
  }
  return UpperTrimmed(code);
}

// Some programs write a record whose every field is empty, and count it.
bool AllEmpty(const std::vector<std::string_view>& fields) {
  for (const std::string_view field : fields) {
    if (!field.empty()) {
      return false;
    }
  }
  return true;
}

void SplitRecord(std::string_view line, std::vector<std::string_view>* fields) {
  fields->clear();
  std::size_t start = 0;
  while (true) {
    const std::size_t semicolon = line.find(';', start);
    fields->push_back(TrimControl(line.substr(start, semicolon - start)));
    if (semicolon == std::string_view::npos) {
      return;
    }
    start = semicolon + 1;
  }
}

// "[QSORecords;12]" gives "QSORECORDS".
std::string SectionName(std::string_view line) {
  const std::size_t end = line.find_first_of(";]");
  return UpperTrimmed(line.substr(1, end == std::string_view::npos ? line.size() - 1 : end - 1));
}

// The century of the records' two-digit years: TDate's, where its first date has four digits
// of year ("20160507;20160508"), else this one's.
std::string CenturyOf(std::string_view tdate) {
  const std::string_view first = TrimControl(tdate.substr(0, tdate.find(';')));
  if (first.size() == 8 && IsDigit(first[0]) && IsDigit(first[1])) {
    return std::string(first.substr(0, 2));
  }
  return "20";
}

class EdiReader {
 public:
  explicit EdiReader(QsoDetail detail) {
    log_.format = "EDI";
    log_.qsos = QsoList(detail);
  }

  ContestLog Read(std::string_view text) {
    TextLines lines(text);
    std::string_view line;
    while (lines.Next(&line) && Line(lines.Number(), TrimControl(line))) {
    }
    log_.ownLocators = ownLocators_.Take();
    return std::move(log_);
  }

 private:
  // False at the end of the log.
  bool Line(std::int64_t number, std::string_view line) {
    if (line.empty()) {
      return true;
    }
    if (line.front() == '[') {
      return Section(number, SectionName(line));
    }
    if (part_ == Part::kHeader) {
      HeaderLine(number, line);
    } else if (part_ == Part::kRecords) {
      Record(number, line);
    }
    return true;
  }

  bool Section(std::int64_t number, const std::string& name) {
    if (name == "END") {
      return false;
    }
    if (IsEdiIdentifier(name)) {
      part_ = Part::kHeader;
      section_ = Header();
      sections_ += 1;
    } else if (name == "QSORECORDS") {
      part_ = Part::kRecords;
      band_ = SectionBand(number);
      log_.logBand = sections_ == 1 || log_.logBand == band_ ? band_ : "";
      ownLocators_.Add(section_.ownLocator);
    } else {
      part_ = name == "REMARKS" ? Part::kRemarks : Part::kNone;
    }
    return true;
  }

  // The band of the section whose records begin at line `number`. Throws naming the fault.
  const char* SectionBand(std::int64_t number) const {
    if (sections_ == 0) {
      throw LogError("[QSORecords] comes before any [REG1TEST;1] header", number);
    }
    if (section_.bandLine == 0) {
      throw LogError("the [REG1TEST;1] header names no band (PBand=) before [QSORecords]", number);
    }
    const char* band = BandOfEdiName(section_.band);
    if (!band) {
      throw LogError("PBand '" + section_.band + "' names no amateur band", section_.bandLine);
    }
    return band;
  }

  void HeaderLine(std::int64_t number, std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      return;
    }
    const std::string_view key = TrimControl(line.substr(0, equals));
    const std::string_view value = TrimControl(line.substr(equals + 1));
    if (EqualsIgnoringCase(key, "PCall")) {
      section_.call = UpperTrimmed(value);
      if (log_.stationCall.empty()) {
        log_.stationCall = section_.call;
      }
    } else if (EqualsIgnoringCase(key, "PWWLo")) {
      section_.ownLocator = UpperTrimmed(value);
    } else if (EqualsIgnoringCase(key, "PBand")) {
      section_.band = std::string(value);
      section_.bandLine = number;
    } else if (EqualsIgnoringCase(key, "PSect") && log_.section.empty()) {
      log_.section = std::string(value);
    } else if (EqualsIgnoringCase(key, "TDate")) {
      section_.century = CenturyOf(value);
    } else if (EqualsIgnoringCase(key, "TName") && log_.contest.empty()) {
      log_.contest = UpperTrimmed(value);
    }
  }

  void Record(std::int64_t number, std::string_view line) {
    SplitRecord(line, &fields_);
    if (AllEmpty(fields_)) {
      Warn(number, "empty QSO record; skipped");
      return;
    }
    if (fields_.size() < kRecordFields) {
      Warn(number, "QSO record with " + std::to_string(fields_.size()) +
                       " fields, expected at least " + std::to_string(kRecordFields) +
                       " (date;time;call;mode;sent RST;sent number;received RST;received "
                       "number;received exchange;received WWL); skipped");
      return;
    }
    LogQso qso;
    qso.callSign = UpperTrimmed(fields_[kCall]);
    if (qso.callSign.empty()) {
      Warn(number, "QSO record without a call; skipped");
      return;
    }
    qso.band = band_;
    qso.mode = ModeOfCode(fields_[kModeCode]);
    qso.exchange = std::string(fields_[kReceivedWwl]);
    qso.line = number;
    qso.ownCall = section_.call;
    qso.ownLocator = section_.ownLocator;
    const std::string_view date = fields_[kDate];
    qso.utcSeconds =
        UtcSeconds(date.size() == 6 ? section_.century + std::string(date) : std::string(date),
                   fields_[kTime]);
    if (log_.qsos.Detail() == QsoDetail::kFull) {
      qso.sentReport = std::string(fields_[kSentReport]);
      qso.sentSerial = std::string(fields_[kSentSerial]);
      qso.receivedReport = std::string(fields_[kReceivedReport]);
      qso.receivedSerial = std::string(fields_[kReceivedSerial]);
      qso.markedDuplicate =
          fields_.size() > kDuplicate && EqualsIgnoringCase(fields_[kDuplicate], "D");
    }
    log_.qsos.push_back(std::move(qso));
  }

  void Warn(std::int64_t number, std::string message) {
    log_.warnings.push_back({number, std::move(message)});
  }

  struct Header {
    std::string call;
    std::string ownLocator;
    std::string band;
    std::int64_t bandLine = 0;  // 0: no PBand yet
    std::string century = "20";
  };

  ContestLog log_;
  OwnLocatorCollector ownLocators_;
  Part part_ = Part::kNone;
  Header section_;
  int sections_ = 0;            // [REG1TEST;1] headers met
  const char* band_ = nullptr;  // of the records being read
  std::vector<std::string_view> fields_;
};
}  // namespace

bool IsEdiIdentifier(std::string_view name) {
  for (const std::string_view identifier : kEdiIdentifiers) {
    if (EqualsIgnoringCase(name, identifier)) {
      return true;
    }
  }
  return false;
}

ContestLog ReadEdi(std::string_view text, QsoDetail detail) {
  return EdiReader(detail).Read(text);
}
