#include "logfiles/adif_reader.h"

#include <algorithm>
#include <cstring>

#include "logfiles/adif_fields.h"
#include "logfiles/adif_tag.h"
#include "logfiles/log_text.h"

namespace {
// For a marker's letters, setting the 0x20 bit is LowerAscii, as in the field names' comparison
// (adif_fields.h): the plain fold here, measured, makes the loop that every tag passes longer.
bool IsMarker(std::string_view name, char second, char third) {
  const auto lower = [](char c) { return static_cast<char>(c | 0x20); };
  return name.size() == 3 && lower(name[0]) == 'e' && lower(name[1]) == second &&
         lower(name[2]) == third;
}

// Counts lines as the reader moves forward, so that a line number costs one pass over the text.
// Lines end in LF (alone or after CR), or in a CR alone in a text that has no LF at all. Offsets
// are of the whole text; none asked for lies before the last one kept.
class LineCounter {
 public:
  explicit LineCounter(char end) : end_(end) {}

  std::int64_t LineAt(const TextWindow& window, std::size_t offset) {
    offset = std::min(offset, window.Base() + window.Text().size());
    if (offset < counted_) {  // a warning about an earlier place: count afresh
      counted_ = kept_;
      line_ = keptLine_;
    }
    const char* p = window.Text().data() + (counted_ - window.Base());
    const char* const end = window.Text().data() + (offset - window.Base());
    // Most records begin just after the line end that ends the one before: no call is made then
    // for the nothing left.
    while (p != end && (p = static_cast<const char*>(
                            std::memchr(p, end_, static_cast<std::size_t>(end - p)))) != nullptr) {
      ++line_;
      ++p;
    }
    counted_ = offset;
    return line_;
  }

  // No offset before `offset` will be asked for again.
  void Keep(const TextWindow& window, std::size_t offset) {
    keptLine_ = LineAt(window, offset);
    kept_ = offset;
  }

 private:
  char end_;
  std::size_t counted_ = 0;
  std::int64_t line_ = 1;
  std::size_t kept_ = 0;
  std::int64_t keptLine_ = 1;
};

// LF ends the lines of a text that has one, CR those of a text that has none. A text read in
// pieces is told by its first piece: the scorer reads in pieces only a text whose first piece has
// an LF.
char LineEnd(std::string_view text) {
  return std::memchr(text.data(), '\n', text.size()) != nullptr || text.empty() ? '\n' : '\r';
}

class AdifReader {
 public:
  AdifReader(TextWindow& window, QsoDetail detail)
      : window_(window), lines_(LineEnd(window.Text())) {
    log_.format = "ADIF";
    log_.qsos = QsoList(detail);
  }

  ContestLog Read() {
    while (true) {
      if (!window_.AtEnd() && window_.Text().size() - pos_ < kReserve) {
        Advance();
      }
      const Step step = ReadToMarker();
      if (step == Step::kEnd) {
        break;
      }
      if (step == Step::kCut) {
        Advance();
      }
    }
    log_.ownLocators = ownLocators_.Take();
    return std::move(log_);
  }

 private:
  // Read ahead of each record, so that a record seldom meets the end of the text held.
  static constexpr std::size_t kReserve = 1 << 16;
  // After this many QSOs the list is told how many the whole text holds at the same rate.
  static constexpr std::size_t kQsosBeforeExpect = 1024;

  enum class Step { kMarker, kCut, kEnd };

  struct Record {
    AdifValues values;
    bool started = false;
    std::size_t start = 0;  // index of its first tag
  };

  // Reads from pos_ to the marker that ends a record or the header, and takes the record. kCut
  // when the text held ends first: the record is read again from pos_ once more is held.
  Step ReadToMarker() {
    const std::string_view text = window_.Text();
    // Held here, the fields looked for are chosen once a record rather than at every tag.
    const QsoDetail detail = log_.qsos.Detail();
    Record record;
    std::size_t pos = pos_;
    while (true) {
      // Tags follow each other closely: a plain loop beats a call to memchr here.
      std::size_t open = pos;
      while (open < text.size() && text[open] != '<') {
        ++open;
      }
      if (open == text.size()) {
        return window_.AtEnd() ? End(record) : Step::kCut;
      }
      AdifTag tag;
      const AdifTagRead read = ReadAdifTag(text, open, &tag);
      if (read == AdifTagRead::kCut && !window_.AtEnd()) {
        return Step::kCut;
      }
      if (read != AdifTagRead::kTag) {
        pos = open + 1;
        continue;
      }
      if (!tag.hasLength) {
        if (IsMarker(tag.name, 'o', 'r') || IsMarker(tag.name, 'o', 'h')) {
          if (record.started && IsMarker(tag.name, 'o', 'r')) {
            AddQso(record);
          }
          pos_ = tag.end;
          return Step::kMarker;
        }
        pos = tag.end;
        continue;
      }
      std::size_t length = tag.length;
      if (length > text.size() - tag.end) {
        if (!window_.AtEnd()) {
          return Step::kCut;
        }
        Warn(open, "field <" + std::string(tag.name) + "> runs past the end of the file");
        length = text.size() - tag.end;
      }
      if (!record.started) {
        record.started = true;
        record.start = open;
      }
      if (const std::optional<AdifField> field = FindAdifField(tag.name, detail)) {
        // Within the text held, as cut above: substr would check it again.
        record.values.Set(*field, std::string_view(text.data() + tag.end, length));
      }
      pos = tag.end + length;
    }
  }

  Step End(const Record& record) {
    if (record.started) {
      Warn(record.start, "the last record has no <EOR>; skipped");
      log_.cutShort = true;
    }
    return Step::kEnd;
  }

  // Lets go of what lies before pos_ and reads on.
  void Advance() {
    lines_.Keep(window_, window_.Base() + pos_);
    window_.Advance(pos_);
    pos_ = 0;
  }

  void AddQso(const Record& record) {
    const std::string problem = FillAdifQso(record.values, log_.qsos.Detail(), qso_);
    if (!problem.empty()) {
      Warn(record.start, problem);
      return;
    }
    qso_.view.line = lines_.LineAt(window_, window_.Base() + record.start);
    log_.qsos.push_back(qso_.view);
    if (log_.qsos.size() == kQsosBeforeExpect) {
      ExpectQsos(window_.Base() + record.start);
    }
    const std::string_view ownLocator = record.values[AdifField::kMyGrid];
    if (!SameShortText(ownLocator, lastOwnLocator_)) {  // most logs repeat one in every record
      lastOwnLocator_ = ownLocator;
      ownLocators_.Add(ownLocator);
    }
    if (log_.stationCall.empty()) {
      log_.stationCall = qso_.view[QsoText::kOwnCall];
    }
  }

  // A long log's list is made its full size once rather than copied as it doubles; an eighth more
  // than the rate says, as records differ in length. Room never filled is never touched.
  void ExpectQsos(std::size_t offset) {
    const std::optional<std::size_t> whole = window_.WholeSize();
    if (whole && offset > 0) {
      const double perByte = static_cast<double>(log_.qsos.size()) / static_cast<double>(offset);
      log_.qsos.Expect(static_cast<std::size_t>(perByte * static_cast<double>(*whole) * 1.125));
    }
  }

  void Warn(std::size_t index, std::string message) {
    log_.warnings.push_back({lines_.LineAt(window_, window_.Base() + index), std::move(message)});
  }

  TextWindow& window_;
  std::size_t pos_ = 0;  // where the next record or header begins to be read, in the text held
  LineCounter lines_;
  ContestLog log_;
  AdifQso qso_;  // the QSO being filled, its copies' room kept from record to record
  OwnLocatorCollector ownLocators_;
  std::string lastOwnLocator_;
};
}  // namespace

ContestLog ReadAdif(TextWindow& window, QsoDetail detail) {
  return AdifReader(window, detail).Read();
}

ContestLog ReadAdif(std::string_view text, QsoDetail detail) {
  TextWindow window(text);
  return ReadAdif(window, detail);
}
