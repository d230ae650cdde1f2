// The QSOs of a log as read from a file, and how they are held: a million QSOs must fit in the
// memory of the file that held them, so a list keeps each text once for the run of QSOs that
// repeat it (band, mode, the own call and locator) and holds no string per QSO.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logfiles/append_buffer.h"
#include "logfiles/huge_page_allocator.h"
#include "logfiles/log_text.h"
#include "scoring/length_prefix.h"

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
  // The exchange's report and serial number as logged, sent and received, trimmed; empty where
  // the log has none. The locators are ownLocator (sent) and exchange (received).
  std::string sentReport;
  std::string sentSerial;
  std::string receivedReport;
  std::string receivedSerial;
  bool markedDuplicate = false;  // the log itself marks the QSO a duplicate (EDI's D)
};

// The texts of a LogQso, by name, for reading them from a QsoList without a copy.
enum class QsoText {
  kCallSign,
  kBand,
  kMode,
  kExchange,
  kOwnCall,
  kOwnLocator,
  kFrequency,
  kContestId,
  // The reports and serials: kept by a list of QsoDetail::kFull only.
  kSentReport,
  kSentSerial,
  kReceivedReport,
  kReceivedSerial,
};
inline constexpr std::size_t kQsoTextCount = 12;
inline constexpr std::size_t kScoringTextCount = static_cast<std::size_t>(QsoText::kSentReport);

// The texts of a LogQso, in the order of QsoText.
inline constexpr std::string LogQso::*kQsoTexts[] = {
    &LogQso::callSign,   &LogQso::band,       &LogQso::mode,           &LogQso::exchange,
    &LogQso::ownCall,    &LogQso::ownLocator, &LogQso::frequency,      &LogQso::contestId,
    &LogQso::sentReport, &LogQso::sentSerial, &LogQso::receivedReport, &LogQso::receivedSerial,
};
static_assert(std::size(kQsoTexts) == kQsoTextCount);

// How much of each QSO a list keeps, and so a reader reads: all the log gives (kFull, what the
// check compares), or all but the reports and serials and the duplicate mark (kScoring). The scorer
// never reads those, and a large log is read faster and held in less memory without them; a list
// of kScoring answers them empty, and no QSO of it marked a duplicate.
enum class QsoDetail { kFull, kScoring };

// A QSO whose texts are held elsewhere: what a reader adds to a QsoList without making strings of
// them.
struct QsoView {
  std::array<std::string_view, kQsoTextCount> texts{};  // in the order of QsoText
  std::int64_t line = 0;
  std::optional<std::int64_t> utcSeconds;
  bool markedDuplicate = false;

  std::string_view& operator[](QsoText text) { return texts[static_cast<std::size_t>(text)]; }
};

// QSOs in the order added. An element is given as a LogQso made afresh; Text() and Line() read
// one value without making one.
class QsoList {
 public:
  class const_iterator;

  QsoList() = default;  // of QsoDetail::kFull
  explicit QsoList(QsoDetail detail) : detail_(detail) {}
  QsoList(std::initializer_list<LogQso> qsos);
  QsoList(const std::vector<LogQso>& qsos);  // not explicit: a vector of QSOs is a list of them

  // Throws LogError when the texts outgrow what the list can address (4 GiB).
  void push_back(const QsoView& qso);
  void push_back(const LogQso& qso);
  void clear();
  // Makes room for `qsos` QSOs in all, their texts as long as those held so far on average: a list
  // told its log's size ahead grows without copying itself.
  void Expect(std::size_t qsos);
  QsoDetail Detail() const { return detail_; }
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  LogQso operator[](std::size_t i) const;
  const_iterator begin() const;
  const_iterator end() const;

  // Inline: the scorer reads eight texts of every QSO, each named by a constant that settles
  // which table holds it.
  std::string_view Text(std::size_t i, QsoText text) const {
    const std::size_t which = static_cast<std::size_t>(text);
    return PrefixedTextAt(texts_.data() + (which < kScoringTextCount
                                               ? entries_[i].texts[which]
                                               : ReportOrSerial(i, which - kScoringTextCount)));
  }
  std::int64_t Line(std::size_t i) const { return entries_[i].line; }
  std::optional<std::int64_t> UtcSeconds(std::size_t i) const {
    const std::int64_t seconds = entries_[i].utcSeconds;
    return seconds == kNoTime ? std::nullopt : std::optional<std::int64_t>(seconds);
  }
  bool MarkedDuplicate(std::size_t i) const {
    return detail_ == QsoDetail::kFull && reports_[i].markedDuplicate;
  }

  // Removes the QSOs for which `leftOut` is true, keeping the others' order; returns how many.
  template <typename Predicate>
  std::size_t EraseIf(Predicate leftOut);

 private:
  static constexpr std::int64_t kNoTime = INT64_MIN;

  static constexpr std::size_t kReportTextCount = kQsoTextCount - kScoringTextCount;

  // Where each text begins in texts_, by QsoText: the texts of every list, and the reports and
  // serials of a full one.
  struct Entry {
    std::int64_t line;
    std::int64_t utcSeconds;  // kNoTime for none
    std::array<std::uint32_t, kScoringTextCount> texts;
  };
  struct Reports {
    std::array<std::uint32_t, kReportTextCount> texts;
    bool markedDuplicate;
  };

  std::uint32_t ReportOrSerial(std::size_t i, std::size_t which) const {
    return detail_ == QsoDetail::kFull ? reports_[i].texts[which] : 0;  // the empty text
  }
  // Where text `which` of `qso` begins in texts_, stored there unless its field's last text is the
  // same. Inline, as SameAsLast: a reader asks for every text of every QSO.
  std::uint32_t StoredText(const QsoView& qso, std::size_t which) {
    // Most texts repeat the last of their field: only a new one costs a call.
    return SameAsLast(which, qso.texts[which]) ? last_[which] : Store(which, qso.texts[which]);
  }
  // Appends `text` as field `which`'s latest; where it begins.
  std::uint32_t Store(std::size_t which, std::string_view text);
  // Inline: a reader asks it for every text of every QSO.
  bool SameAsLast(std::size_t which, std::string_view text) const {
    const char* last = texts_.data() + last_[which];
    // Most texts are shorter than 128 bytes, their length one byte.
    if (static_cast<unsigned char>(*last) < 0x80) {
      return SameShortText(std::string_view(last + 1, static_cast<unsigned char>(*last)), text);
    }
    return PrefixedTextAt(last) == text;
  }

  QsoDetail detail_ = QsoDetail::kFull;
  std::vector<Entry, HugePageAllocator<Entry>> entries_;
  std::vector<Reports, HugePageAllocator<Reports>> reports_;  // one an entry in a full list
  // Each text as its length (7 bits a byte, low bits first) followed by its bytes; the empty text
  // first, at 0.
  AppendBuffer texts_{std::string_view("", 1)};
  // The text each field stored last: a QSO that repeats it stores nothing new.
  std::array<std::uint32_t, kQsoTextCount> last_{};
};

class QsoList::const_iterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = LogQso;
  using difference_type = std::ptrdiff_t;
  using pointer = void;
  using reference = LogQso;

  const_iterator(const QsoList* list, std::size_t i) : list_(list), i_(i) {}
  LogQso operator*() const { return (*list_)[i_]; }
  const_iterator& operator++() {
    ++i_;
    return *this;
  }
  bool operator==(const const_iterator& other) const { return i_ == other.i_; }
  bool operator!=(const const_iterator& other) const { return i_ != other.i_; }

 private:
  const QsoList* list_;
  std::size_t i_;
};

inline QsoList::const_iterator QsoList::begin() const {
  return {this, 0};
}

inline QsoList::const_iterator QsoList::end() const {
  return {this, entries_.size()};
}

template <typename Predicate>
std::size_t QsoList::EraseIf(Predicate leftOut) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (!leftOut((*this)[i])) {
      entries_[kept] = entries_[i];
      if (detail_ == QsoDetail::kFull) {
        reports_[kept] = reports_[i];
      }
      ++kept;
    }
  }
  const std::size_t erased = entries_.size() - kept;
  entries_.resize(kept);
  if (detail_ == QsoDetail::kFull) {
    reports_.resize(kept);
  }
  return erased;
}
