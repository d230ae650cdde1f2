#include "cli/log_scorer.h"

#include <algorithm>
#include <unordered_map>

#include "cli/cached_distance.h"
#include "logfiles/log_text.h"
#include "logfiles/recorded_log.h"
#include "scoring/scoring_state.h"
#include "scoring/square_number.h"
#include "scoring/square_scan.h"
#include "scoring/text_rules.h"

namespace {
// The worked list's key of QSO `i` as its record carries it.
WorkedKey KeyOf(const QsoList& qsos, std::size_t i) {
  const auto text = [&](QsoText which) { return RecordTextOf(qsos.Text(i, which)); };
  return WorkedKey(text(QsoText::kCallSign), text(QsoText::kBand), text(QsoText::kMode));
}

// The scorer's look-ahead over the engine's worked list: before a QSO is scored, the memory is
// asked for the slot where the look-up of the QSO sixteen ahead begins, and for the texts of the
// entry in the slot of the one eight ahead, so that the look-ups of a long log do not wait for
// memory one after another. Each key is made once for both requests.
class WorkedListLookAhead {
 public:
  // `qsos` and `worked` outlive the look-ahead.
  WorkedListLookAhead(const QsoList& qsos, const WorkedQSOList& worked)
      : qsos_(qsos), worked_(worked) {
    keys_.reserve(kRing);
    for (std::size_t i = 0; i < kSlotAhead && i < qsos.size(); ++i) {
      Keep(i);
    }
  }

  // Before QSO i is scored, for i counting up from 0.
  void Before(std::size_t i) {
    if (i + kSlotAhead < qsos_.size()) {
      if (const HashSlot* slot = worked_.FirstSlot(Keep(i + kSlotAhead))) {
        __builtin_prefetch(slot);
      }
    }
    if (i + kTextsAhead < qsos_.size()) {
      const WorkedKey& key = keys_[(i + kTextsAhead) % kRing];
      const HashSlot* slot = worked_.FirstSlot(key);
      if (slot != nullptr && slot->hash == key.hash && slot->entry != 0) {
        __builtin_prefetch(worked_.EntryTexts(*slot));
      }
    }
  }

 private:
  // How many QSOs ahead the memory is asked for a QSO's slot, and later for its texts: enough for
  // the memory to answer before the QSO's look-up.
  static constexpr std::size_t kSlotAhead = 16;
  static constexpr std::size_t kTextsAhead = 8;
  // More than kSlotAhead keys, a power of two.
  static constexpr std::size_t kRing = 32;

  // Makes QSO i's key, i one more than the last kept.
  const WorkedKey& Keep(std::size_t i) {
    if (keys_.size() < kRing) {
      return keys_.emplace_back(KeyOf(qsos_, i));
    }
    return keys_[i % kRing] = KeyOf(qsos_, i);
  }

  const QsoList& qsos_;
  const WorkedQSOList& worked_;
  std::vector<WorkedKey> keys_;  // QSO i's at i % kRing
};

std::string_view OwnLocatorOf(const QsoList& qsos, std::size_t i, const std::string& given,
                              const std::string& logLocator) {
  if (!given.empty()) {
    return given;
  }
  const std::string_view own = qsos.Text(i, QsoText::kOwnLocator);
  return own.empty() ? std::string_view(logLocator) : own;
}

// Numbers the own locators by square as the QSOs name them. The scorer asks only when a QSO's own
// locator differs from the QSO before's, so a log from one place pays nothing for a rover's.
class OwnLocatorTable {
 public:
  // The index of the locator's square, -1 when it begins with none.
  std::int32_t Number(const std::string& locator) {
    const std::optional<int> square = SquareNumber(locator);
    if (!square) {
      return -1;
    }
    const auto found =
        indexOfSquare_.try_emplace(*square, static_cast<std::int32_t>(locators_.size()));
    if (found.second) {
      locators_.push_back(locator);
    }
    return found.first->second;
  }
  std::vector<std::string> Take() { return std::move(locators_); }

 private:
  std::unordered_map<int, std::int32_t> indexOfSquare_;
  std::vector<std::string> locators_;
};

bool NeedsDistance(const ScoringState& scoring, const Qso& qso) {
  return !scoring.IsDupe(qso) && !ScanSquare(qso.reportReceived).square.empty();
}

LogError NoOwnLocator(const QsoList& qsos, std::size_t i, const std::string& ownLocator) {
  if (!ownLocator.empty()) {
    return LogError("own locator '" + ownLocator + "' is no Maidenhead locator", qsos.Line(i));
  }
  for (std::size_t other = 0; other < qsos.size(); ++other) {
    if (!qsos.Text(other, QsoText::kOwnLocator).empty()) {
      return LogError("the QSO names no own locator, while others do; give one with --own LOCATOR",
                      qsos.Line(i));
    }
  }
  return LogError("the log names no own locator; give it with --own LOCATOR");
}

// The number of a square the engine gives ("JO31"), -1 for none ("").
std::int16_t NumberOrNone(const std::string& square) {
  return static_cast<std::int16_t>(SquareNumber(square).value_or(-1));
}
}  // namespace

std::optional<double> ScoredQso::DistanceKm() const {
  return hasDistance ? std::optional<double>(distance) : std::nullopt;
}

std::string ScoredQso::Square() const {
  return square < 0 ? "" : SquareText(square);
}

LogScore ScoreQsos(const QsoList& qsos, const std::string& given, const std::string& logLocator) {
  // The own coordinates of a distance are those of the QSO's own square, measured with it.
  RecordedLog log(std::make_shared<CachedGeometryDistance>());
  const ScoringState& scoring = log.Scoring();
  OwnLocatorTable ownLocators;

  LogScore result;
  result.qsos.reserve(qsos.size());
  WorkedListLookAhead lookAhead(qsos, scoring.WorkedList);
  // The QSO's own locator, made again only where it differs from the QSO before's; at first the
  // empty one, which names no square.
  std::string ownLocator;
  std::int32_t ownIndex = -1;
  for (std::size_t i = 0; i < qsos.size(); ++i) {
    lookAhead.Before(i);
    const Qso qso = RecordedQsoOf(qsos, i);
    const std::string_view own = OwnLocatorOf(qsos, i, given, logLocator);
    if (!SameShortText(own, ownLocator)) {
      ownLocator = std::string(own);
      ownIndex = ownLocators.Number(ownLocator);
    }
    ScoredQso& scored = result.qsos.emplace_back();
    scored.ownLocator = ownIndex;
    if (scored.ownLocator < 0 && NeedsDistance(scoring, qso)) {
      throw NoOwnLocator(qsos, i, ownLocator);
    }
    const QsoResult engine = log.Record(qso, ownLocator);
    scored.reason = ZeroReasonOf(engine, qso.reportReceived);
    ++result.zeroReasons[static_cast<std::size_t>(scored.reason)];
    scored.duplicate = engine.duplicate;
    scored.newField = engine.newField;
    scored.points = static_cast<std::int16_t>(engine.points);
    scored.hasDistance = engine.distanceKm.has_value();
    scored.distance = static_cast<float>(engine.distanceKm.value_or(0));
    scored.square = NumberOrNone(engine.square);
    if (engine.duplicate) {
      scored.square = NumberOrNone(ScanSquare(qso.reportReceived).square);
      ++result.duplicates;
    }
  }
  result.ownLocators = ownLocators.Take();
  result.report = scoring.ReportText();
  result.bands = scoring.BandStats.Entries();
  result.fieldKeys = scoring.WorkedFields.Keys();
  const ScoreTally tally = log.Tally();
  result.points = tally.points;
  result.newFields = tally.fields;
  result.score = tally.score;
  return result;
}

std::vector<std::string> FieldsOfBand(const LogScore& score, const std::string& band) {
  std::vector<std::string> fields;
  for (const std::string& key : score.fieldKeys) {
    // A key is the band text followed by exactly two field letters.
    if (key.size() == band.size() + 2 && key.compare(0, band.size(), band) == 0) {
      fields.push_back(key.substr(band.size()));
    }
  }
  std::sort(fields.begin(), fields.end());
  return fields;
}
