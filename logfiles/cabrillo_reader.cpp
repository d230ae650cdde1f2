#include "logfiles/cabrillo_reader.h"

#include <algorithm>
#include <map>

#include "logfiles/band_map.h"
#include "logfiles/log_text.h"
#include "logfiles/log_time.h"
#include "logfiles/text_lines.h"

namespace {
// Frequency, mode, date and time come before the exchanges.
constexpr std::size_t kLeadingFields = 4;

bool IsTransmitterId(std::string_view field) {
  return field.size() == 1 && field[0] >= '0' && field[0] <= '9';
}

// The width of each exchange on a QSO line of these fields, or 0 when the fields after the time do
// not split into two exchanges of one width (and a transmitter id).
std::size_t ExchangeWidth(const std::vector<std::string_view>& fields) {
  if (fields.size() < kLeadingFields + 2) {
    return 0;
  }
  const std::size_t exchanges = fields.size() - kLeadingFields;
  if (exchanges % 2 == 0) {
    return exchanges / 2;
  }
  return IsTransmitterId(fields.back()) ? exchanges / 2 : 0;
}

std::string MismatchMessage(std::size_t fieldCount, std::size_t width) {
  const std::string expected = "two exchanges of " + std::to_string(width) +
                               " fields each (call first) and an optional transmitter id; skipped";
  if (fieldCount < kLeadingFields) {
    return "QSO line with " + std::to_string(fieldCount) +
           " fields, expected frequency, mode, date, time and " + expected;
  }
  return "QSO line with " + std::to_string(fieldCount - kLeadingFields) +
         " fields after the time, where the log's other QSO lines have " + expected;
}

// The locator among an exchange's fields after the call; else a field meant as one, as logged;
// else nothing.
std::string_view GridOf(const std::string_view* fields, std::size_t width) {
  for (std::size_t i = 1; i < width; ++i) {
    if (IsLocator(fields[i])) {
      return fields[i];
    }
  }
  for (std::size_t i = 1; i < width; ++i) {
    if (LooksLikeLocator(fields[i])) {
      return fields[i];
    }
  }
  return {};
}

// A signal report as logged: RS or RST, readability 1 to 5 then strength and tone 1 to 9, where
// CW loggers may write N for 9 ("59", "599", "5NN").
bool IsReport(std::string_view field) {
  if (field.size() < 2 || field.size() > 3 || field[0] < '1' || field[0] > '5') {
    return false;
  }
  for (const char c : field.substr(1)) {
    if ((c < '1' || c > '9') && UpperAscii(c) != 'N') {
      return false;
    }
  }
  return true;
}

// A serial number as logged: digits, and after them a '/' or a letter, or both, as some loggers
// add ("011/", "004/B").
bool IsSerial(std::string_view field) {
  std::size_t digits = 0;
  while (digits < field.size() && IsDigit(field[digits])) {
    ++digits;
  }
  std::string_view rest = field.substr(digits);
  if (!rest.empty() && rest.front() == '/') {
    rest.remove_prefix(1);
  }
  return digits > 0 && (rest.empty() || (rest.size() == 1 && UpperAscii(rest[0]) >= 'A' &&
                                         UpperAscii(rest[0]) <= 'Z'));
}

struct ExchangeParts {
  std::string_view report;
  std::string_view serial;
};

// The report and serial number among an exchange's fields after the call: the first field shaped
// as a report, and the first serial number after it (after the call where no report is).
ExchangeParts PartsOf(const std::string_view* fields, std::size_t width) {
  ExchangeParts parts;
  std::size_t serialFrom = 1;
  for (std::size_t i = 1; i < width; ++i) {
    if (IsReport(fields[i])) {
      parts.report = fields[i];
      serialFrom = i + 1;
      break;
    }
  }
  for (std::size_t i = serialFrom; i < width; ++i) {
    if (IsSerial(fields[i])) {
      parts.serial = fields[i];
      break;
    }
  }
  return parts;
}

struct QsoLine {
  std::int64_t number;
  std::string_view value;  // what follows "QSO:"
  std::size_t width;       // 0: does not split
};

class CabrilloReader {
 public:
  explicit CabrilloReader(QsoDetail detail) {
    log_.format = "Cabrillo";
    log_.qsos = QsoList(detail);
  }

  ContestLog Read(std::string_view text) {
    TextLines lines(text);
    std::string_view line;
    while (lines.Next(&line) && Line(lines.Number(), TrimControl(line))) {
    }
    const std::size_t width = CommonWidth();
    for (const QsoLine& qso : qsoLines_) {
      if (qso.width == width) {
        Qso(qso);
      } else {
        SplitWords(qso.value, &fields_);
        Warn(qso.number, MismatchMessage(fields_.size(), width));
      }
    }
    if (!ended_) {
      Warn(lines.Number(), "the log ends without END-OF-LOG:; it may have been cut short");
      log_.cutShort = true;
    }
    // Header lines were warned about while the QSO lines waited for the log's width.
    std::stable_sort(log_.warnings.begin(), log_.warnings.end(),
                     [](const LogWarning& a, const LogWarning& b) { return a.line < b.line; });
    if (log_.stationCall.empty()) {
      log_.stationCall = firstOwnCall_;
    }
    // The header's locator comes first wherever it stands; the QSO lines' follow.
    OwnLocatorCollector ownLocators;
    ownLocators.Add(log_.headerLocator);
    for (std::size_t i = 0; i < log_.qsos.size(); ++i) {
      ownLocators.Add(log_.qsos.Text(i, QsoText::kOwnLocator));
    }
    log_.ownLocators = ownLocators.Take();
    return std::move(log_);
  }

 private:
  // False at the end of the log.
  bool Line(std::int64_t number, std::string_view line) {
    if (line.empty()) {
      return true;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
      Warn(number, "not a Cabrillo line (no TAG:); skipped");
      return true;
    }
    const std::string_view tag = TrimControl(line.substr(0, colon));
    const std::string_view value = TrimControl(line.substr(colon + 1));
    if (EqualsIgnoringCase(tag, "QSO")) {
      SplitWords(value, &fields_);
      qsoLines_.push_back({number, value, ExchangeWidth(fields_)});
    } else if (EqualsIgnoringCase(tag, "CALLSIGN")) {
      log_.stationCall = UpperTrimmed(value);
    } else if (EqualsIgnoringCase(tag, "CONTEST")) {
      log_.contest = UpperTrimmed(value);
    } else if (EqualsIgnoringCase(tag, "CATEGORY-OPERATOR")) {
      log_.section = std::string(value);
    } else if (EqualsIgnoringCase(tag, "CATEGORY") && log_.section.empty()) {
      log_.section = std::string(value);  // Cabrillo 2's whole category
    } else if (EqualsIgnoringCase(tag, "GRID-LOCATOR") && log_.headerLocator.empty()) {
      log_.headerLocator = UpperTrimmed(value);
    } else if (EqualsIgnoringCase(tag, "END-OF-LOG")) {
      ended_ = true;
      return false;
    }
    return true;  // other tags (X-QSO, the header's) do not take part in the scoring
  }

  // The width most QSO lines share; among equals, the first line's of them. Throws when no line
  // splits.
  std::size_t CommonWidth() const {
    std::map<std::size_t, std::size_t> lines;
    std::size_t most = 0;
    for (const QsoLine& qso : qsoLines_) {
      if (qso.width != 0) {
        most = std::max(most, ++lines[qso.width]);
      }
    }
    for (const QsoLine& qso : qsoLines_) {
      if (qso.width != 0 && lines[qso.width] == most) {
        return qso.width;
      }
    }
    if (!qsoLines_.empty()) {
      throw LogError(
          "QSO line whose fields after the time do not split into the sent exchange (own call "
          "first) and the received exchange (worked call first) of one width, with an optional "
          "transmitter id; the log's layout cannot be read",
          qsoLines_.front().number);
    }
    return 0;
  }

  void Qso(const QsoLine& line) {
    SplitWords(line.value, &fields_);
    const std::string_view frequency = fields_[0];
    const char* band = BandOfCabrilloFrequency(frequency);
    if (!band) {
      Warn(line.number,
           "frequency '" + std::string(frequency) + "' is on no amateur band; skipped");
      return;
    }
    const std::string_view* sent = &fields_[kLeadingFields];
    const std::string_view* received = sent + line.width;
    LogQso qso;
    qso.callSign = UpperTrimmed(received[0]);
    qso.band = band;
    qso.mode = UpperTrimmed(fields_[1]);
    qso.exchange = std::string(GridOf(received, line.width));
    qso.line = line.number;
    qso.ownCall = UpperTrimmed(sent[0]);
    for (std::size_t i = 1; i < line.width && qso.ownLocator.empty(); ++i) {
      if (IsLocator(sent[i])) {
        qso.ownLocator = UpperTrimmed(sent[i]);
      }
    }
    qso.frequency = std::string(frequency);
    qso.utcSeconds = UtcSeconds(fields_[2], fields_[3]);
    if (log_.qsos.Detail() == QsoDetail::kFull) {
      const ExchangeParts sentParts = PartsOf(sent, line.width);
      qso.sentReport = std::string(sentParts.report);
      qso.sentSerial = std::string(sentParts.serial);
      const ExchangeParts receivedParts = PartsOf(received, line.width);
      qso.receivedReport = std::string(receivedParts.report);
      qso.receivedSerial = std::string(receivedParts.serial);
    }
    if (firstOwnCall_.empty()) {
      firstOwnCall_ = qso.ownCall;
    }
    log_.qsos.push_back(std::move(qso));
  }

  void Warn(std::int64_t number, std::string message) {
    log_.warnings.push_back({number, std::move(message)});
  }

  ContestLog log_;
  std::vector<QsoLine> qsoLines_;
  std::vector<std::string_view> fields_;  // of the line at hand
  std::string firstOwnCall_;
  bool ended_ = false;  // END-OF-LOG: was met
};
}  // namespace

ContestLog ReadCabrillo(std::string_view text, QsoDetail detail) {
  return CabrilloReader(detail).Read(text);
}
